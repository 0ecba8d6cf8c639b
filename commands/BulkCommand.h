// SPDX-License-Identifier: MIT
#pragma once

#include "commands/ICommand.h"
#include "commands/ICommandTarget.h"

#include <memory>

namespace TarnViewModel {

// Runs a command of many steps, both ways, inside the target's bulk-change bracket, so
// that the views take in its result once instead of after every step.
class BulkCommand : public ICommand {
public:
    BulkCommand(ICommandTarget& target, std::unique_ptr<ICommand> steps) : target_(&target), steps_(std::move(steps)) {}

    void Execute() override { Bracketed(&ICommand::Execute); }
    void Undo() override { Bracketed(&ICommand::Undo); }

private:
    void Bracketed(void (ICommand::*run)())
    {
        target_->BeginBulkChange();
        try {
            (*steps_.*run)();
        } catch (...) {
            target_->EndBulkChange();
            throw;
        }
        target_->EndBulkChange();
    }

    ICommandTarget* target_;
    std::unique_ptr<ICommand> steps_;
};

}  // namespace TarnViewModel
