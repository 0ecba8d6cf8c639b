// SPDX-License-Identifier: MIT
#pragma once

class QMainWindow;

namespace TarnGui {

// The window's place and size and its panes' arrangement, kept in the settings when the
// window closes.
void SaveWindowLayout(const QMainWindow& window);

// Puts back what was kept; false, leaving the window as it is, when nothing was kept or it
// no longer fits this program's panes. A place on a screen that is gone comes back on one
// that is there.
bool RestoreWindowLayout(QMainWindow& window);

}  // namespace TarnGui
