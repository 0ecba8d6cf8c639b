// SPDX-License-Identifier: MIT
#include "shell/dialogs/FileDialogs.h"
#include "shell/DialogScript.h"
#include "shell/dialogs/FileIconsByName.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace TarnGui;

// Reading /proc/kmsg waits for the kernel's next message, which may never come.
TEST(FileDialogs, TypesAndIconsComeFromNamesWithoutReadingTheFiles)
{
    const FileIconsByName icons;
    EXPECT_FALSE(icons.type(QFileInfo(QStringLiteral("/proc/kmsg"))).isEmpty());
    icons.icon(QFileInfo(QStringLiteral("/proc/kmsg")));
    EXPECT_EQ(icons.type(QFileInfo(QStringLiteral("story.html"))), icons.type(QFileInfo(QStringLiteral("other.html"))));
    EXPECT_NE(icons.type(QFileInfo(QStringLiteral("story.html"))), icons.type(QFileInfo(QStringLiteral("story.png"))));
}

TEST(FileDialogs, TypingProcIntoTheDialogListsItWithoutHanging)
{
    TestSupport::DialogScript script;
    int listed = 0;
    script.Then([&listed](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        // Qt's own dialog, which the tests can drive, types its files by their names alone.
        EXPECT_TRUE(files->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_NE(dynamic_cast<FileIconsByName*>(files->iconProvider()), nullptr);
        auto* model = files->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        QTest::keyClicks(name, QStringLiteral("/proc/"));
        QTest::keyClick(name, Qt::Key_Return);
        while (!loaded.contains(QVariantList{QStringLiteral("/proc")})) {
            ASSERT_TRUE(loaded.wait());
        }
        // What the list shows of every entry: its name, size, type and icon.
        const QModelIndex proc = model->index(QStringLiteral("/proc"));
        for (int row = 0; row < model->rowCount(proc); ++row) {
            for (int column = 0; column < model->columnCount(proc); ++column) {
                model->data(model->index(row, column, proc), Qt::DisplayRole);
                model->data(model->index(row, column, proc), Qt::DecorationRole);
            }
            ++listed;
        }
        files->reject();
    });
    EXPECT_FALSE(AskFileName(nullptr, FileDialogKind::Open, {{QStringLiteral("All Files"), QStringLiteral("*")}}, 1, QString(),
                             QStringLiteral("Open")));
    EXPECT_TRUE(script.Finished());
    EXPECT_GT(listed, 0);
}

}  // namespace
