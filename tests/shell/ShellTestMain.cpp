// SPDX-License-Identifier: MIT
#include "shell/mainframe/CTarnGuiApp.h"
#include "support/TinyDictionary.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The widgets need the application object for the whole run; settings, recovery copies and
// the user's dictionary go to a folder of this run's own, so that neither the user's recent
// files nor another test program running beside this one are touched. Spelling is checked
// against a dictionary of a few words, found before any installed one.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    // Recovery copies too.
    qputenv("XDG_STATE_HOME", (settings.path() + QStringLiteral("/state")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (settings.path() + QStringLiteral("/data")).toLocal8Bit());
    const TestSupport::TinyDictionary dictionary({"the/S", "dragon/S", "sleeps", "knight/S", "knight's", "gate/S", "open"});
    // Ahead of the system's data folders, which also hold the types of files.
    const QByteArray system =
        qEnvironmentVariableIsEmpty("XDG_DATA_DIRS") ? QByteArrayLiteral("/usr/local/share:/usr/share") : qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(dictionary.DataFolder().string()) + ':' + system);
    TarnGui::TarnApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
