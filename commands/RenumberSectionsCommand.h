// SPDX-License-Identifier: MIT
#pragma once

#include "commands/ICommand.h"
#include "commands/ICommandTarget.h"

namespace TarnViewModel {

class RenumberSectionsCommand : public ICommand {
public:
    RenumberSectionsCommand(ICommandTarget& target, Numbering before, Numbering after)
        : target_(&target), before_(std::move(before)), after_(std::move(after))
    {}
    void Execute() override { target_->RenumberSections(after_); }
    void Undo() override { target_->RenumberSections(before_); }

private:
    ICommandTarget* target_;
    Numbering before_;
    Numbering after_;
};

}  // namespace TarnViewModel
