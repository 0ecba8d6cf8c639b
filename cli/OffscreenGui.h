// SPDX-License-Identifier: MIT
#pragma once

#include <QGuiApplication>

namespace BrindleCli {

// Qt's GUI on its offscreen platform, for the commands that lay out text or draw without a
// window. Qt's own notes (such as that XDG_RUNTIME_DIR is unset, as it is for scripts and
// CI) stay out of standard error, which holds only the command's messages.
class OffscreenGui {
public:
    OffscreenGui()
        : previous_(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {})),
          application_((qputenv("QT_QPA_PLATFORM", "offscreen"), argc_), argv_)
    {}
    ~OffscreenGui() { qInstallMessageHandler(previous_); }
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    QtMessageHandler previous_;
    int argc_ = 1;
    char name_[8] = "brindle";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication application_;
};

}  // namespace BrindleCli
