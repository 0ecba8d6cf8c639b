// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace TarnGui {

// Shows the wait cursor while it lives, however the work it covers ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace TarnGui
