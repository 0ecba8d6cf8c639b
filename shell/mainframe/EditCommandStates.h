// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QClipboard>

namespace TarnGui {

// Whether Cut, Copy and Paste can act on a text control: Cut and Copy need a selection, Cut
// and Paste a text that can be changed, and Paste text on the clipboard.
struct EditCommandStates {
    bool cut = false;
    bool copy = false;
    bool paste = false;
};

inline EditCommandStates EditCommandStatesFor(bool hasSelection, bool editable)
{
    return {hasSelection && editable, hasSelection, editable && !QApplication::clipboard()->text().isEmpty()};
}

}  // namespace TarnGui
