// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

namespace TarnViewModel {

// The main window as the framework controller sees it.
class IFrameworkView {
public:
    virtual ~IFrameworkView() = default;
    virtual void SetSectionSelected(bool selected) = 0;
    virtual void SetBookHasSections(bool hasSections) = 0;
    virtual void SetUndoRedoState(bool canUndo, bool canRedo) = 0;
    virtual void OnBookReset() = 0;
    // Asks whether to save the changes; true when they may be thrown away.
    virtual bool AskSaveChanges() = 0;
    // The file name to save under, or false when the user cancelled.
    virtual std::pair<bool, std::wstring> AskSaveFileName(const std::wstring& currentPath) = 0;
};

}  // namespace TarnViewModel
