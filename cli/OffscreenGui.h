#pragma once

#include <QGuiApplication>

namespace BrindleCli {

// Qt's GUI on its offscreen platform, for the commands that lay out text or draw without a
// window.
class OffscreenGui {
public:
    OffscreenGui() : application_((qputenv("QT_QPA_PLATFORM", "offscreen"), argc_), argv_) {}

private:
    int argc_ = 1;
    char name_[8] = "brindle";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication application_;
};

}  // namespace BrindleCli
