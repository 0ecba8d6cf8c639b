#include "shell/mainframe/CTarnGuiApp.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The widgets need the application object for the whole run; settings and recovery copies
// go to a folder of this run's own, so that neither the user's recent files nor another test program running
// beside this one are touched.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    // Recovery copies too.
    qputenv("XDG_STATE_HOME", (settings.path() + QStringLiteral("/state")).toLocal8Bit());
    TarnGui::TarnApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
