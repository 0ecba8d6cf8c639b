// SPDX-License-Identifier: MIT
#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts, text layout and images need the application object; no window is shown.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
