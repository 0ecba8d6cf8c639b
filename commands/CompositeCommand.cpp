// SPDX-License-Identifier: MIT
#include "commands/CompositeCommand.h"

namespace TarnViewModel {

void CompositeCommand::Append(std::unique_ptr<ICommand> child)
{
    children_.push_back(std::move(child));
}

void CompositeCommand::ExecuteAndAppend(std::unique_ptr<ICommand> child)
{
    try {
        child->Execute();
    } catch (...) {
        UndoFirst(children_.size());
        throw;
    }
    children_.push_back(std::move(child));
}

void CompositeCommand::Execute()
{
    for (std::size_t index = 0; index < children_.size(); ++index) {
        try {
            children_[index]->Execute();
        } catch (...) {
            UndoFirst(index);
            throw;
        }
    }
}

void CompositeCommand::Undo()
{
    const std::size_t count = children_.size();
    for (std::size_t undone = 0; undone < count; ++undone) {
        try {
            children_[count - 1 - undone]->Undo();
        } catch (...) {
            ExecuteLast(undone);
            throw;
        }
    }
}

// Takes back children [0, count) in reverse.
void CompositeCommand::UndoFirst(std::size_t count)
{
    while (count > 0) {
        children_[--count]->Undo();
    }
}

// Applies again the last `count` children, which an interrupted Undo had taken back.
void CompositeCommand::ExecuteLast(std::size_t count)
{
    for (std::size_t index = children_.size() - count; index < children_.size(); ++index) {
        children_[index]->Execute();
    }
}

}  // namespace TarnViewModel
