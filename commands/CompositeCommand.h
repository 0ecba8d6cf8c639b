// SPDX-License-Identifier: MIT
#pragma once

#include "commands/ICommand.h"

#include <memory>
#include <vector>

namespace TarnViewModel {

// Children run first to last and are undone last to first. Should a child fail, the
// children already run are taken back before the failure passes on, so a composite is
// applied whole or not at all.
class CompositeCommand : public ICommand {
public:
    void Append(std::unique_ptr<ICommand> child);
    // Runs the child and, once it has succeeded, appends it; a failure takes back the
    // children appended so far.
    void ExecuteAndAppend(std::unique_ptr<ICommand> child);
    bool IsEmpty() const { return children_.empty(); }

    void Execute() override;
    void Undo() override;

private:
    void UndoFirst(std::size_t count);
    void ExecuteLast(std::size_t count);

    std::vector<std::unique_ptr<ICommand>> children_;
};

}  // namespace TarnViewModel
