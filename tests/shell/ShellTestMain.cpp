#include "shell/CTarnGuiApp.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

// The widgets need the application object for the whole run; settings go to Qt's test
// location so that the user's recent files are never touched.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    TarnGui::TarnApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
