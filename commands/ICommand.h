// SPDX-License-Identifier: MIT
#pragma once

namespace TarnViewModel {

// One undoable edit. Execute applies it (first time and every redo); Undo takes it back.
class ICommand {
public:
    virtual ~ICommand() = default;
    virtual void Execute() = 0;
    virtual void Undo() = 0;
};

}  // namespace TarnViewModel
