// SPDX-License-Identifier: MIT
#pragma once

#include "commands/ICommand.h"
#include "commands/ICommandTarget.h"

namespace TarnViewModel {

class AddSectionCommand : public ICommand {
public:
    AddSectionCommand(ICommandTarget& target, const Section& section) : target_(&target), section_(section) {}
    void Execute() override { target_->AddSection(section_); }
    void Undo() override { target_->DeleteSection(section_); }

private:
    ICommandTarget* target_;
    Section section_;
};

class DeleteSectionCommand : public ICommand {
public:
    DeleteSectionCommand(ICommandTarget& target, const Section& section) : target_(&target), section_(section) {}
    void Execute() override { target_->DeleteSection(section_); }
    void Undo() override { target_->AddSection(section_); }

private:
    ICommandTarget* target_;
    Section section_;
};

}  // namespace TarnViewModel
