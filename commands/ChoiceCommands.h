// SPDX-License-Identifier: MIT
#pragma once

#include "commands/ICommand.h"
#include "commands/ICommandTarget.h"

namespace TarnViewModel {

class AddChoiceCommand : public ICommand {
public:
    AddChoiceCommand(ICommandTarget& target, const Choice& choice) : target_(&target), choice_(choice) {}
    void Execute() override { target_->AddChoice(choice_); }
    void Undo() override { target_->DeleteChoice(choice_, ChoiceDeleteCause::AddUndone); }

private:
    ICommandTarget* target_;
    Choice choice_;
};

class DeleteChoiceCommand : public ICommand {
public:
    DeleteChoiceCommand(ICommandTarget& target, const Choice& choice, ChoiceDeleteCause cause)
        : target_(&target), choice_(choice), cause_(cause)
    {}
    void Execute() override { target_->DeleteChoice(choice_, cause_); }
    void Undo() override { target_->AddChoice(choice_); }

private:
    ICommandTarget* target_;
    Choice choice_;
    ChoiceDeleteCause cause_;
};

class UpdateChoiceCommand : public ICommand {
public:
    UpdateChoiceCommand(ICommandTarget& target, const Choice& before, const Choice& after)
        : target_(&target), before_(before), after_(after)
    {}
    void Execute() override { target_->UpdateChoice(before_, after_); }
    void Undo() override { target_->UpdateChoice(after_, before_); }

private:
    ICommandTarget* target_;
    Choice before_;
    Choice after_;
};

}  // namespace TarnViewModel
