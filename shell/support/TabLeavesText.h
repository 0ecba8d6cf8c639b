// SPDX-License-Identifier: MIT
#pragma once

class QPlainTextEdit;

namespace TarnGui {

// Tab and Shift+Tab move the focus on from the text box, as in every other field, so that
// the keyboard alone can leave it; Ctrl+Tab types a tab.
void LetTabLeaveText(QPlainTextEdit* text);

}  // namespace TarnGui
