// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace TarnGui {

// Keeps a widget from repainting between the outermost Begin and its matching End, so a
// change made in many steps is drawn once.
class UpdateBracket {
public:
    explicit UpdateBracket(QWidget* widget) : widget_(widget) {}

    void Begin()
    {
        if (depth_++ == 0) {
            widget_->setUpdatesEnabled(false);
        }
    }
    // True when this End closed the outermost bracket and painting is on again.
    bool End()
    {
        if (depth_ == 0 || --depth_ > 0) {
            return false;
        }
        widget_->setUpdatesEnabled(true);
        return true;
    }

private:
    QWidget* widget_;
    int depth_ = 0;
};

}  // namespace TarnGui
