// SPDX-License-Identifier: MIT
#include "shell/mainframe/RecentFiles.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

using TarnGui::RecentFiles;

struct RecentFilesTest : testing::Test {
    void SetUp() override { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }
};

TEST_F(RecentFilesTest, KeepsFourNewestFirstWithoutDuplicatesAcrossRuns)
{
    {
        RecentFiles recent;
        for (const char* name :
             {"/books/a.brindle", "/books/b.brindle", "/books/c.brindle", "/books/d.brindle", "/books/e.brindle", "/books/c.brindle"}) {
            recent.Add(QString::fromLatin1(name));
        }
    }
    const RecentFiles reloaded;
    EXPECT_EQ(reloaded.Paths(), QStringList({"/books/c.brindle", "/books/e.brindle", "/books/d.brindle", "/books/b.brindle"}));
}

TEST_F(RecentFilesTest, TheSameFileNamedTwoWaysIsOneEntry)
{
    RecentFiles recent;
    recent.Add(QStringLiteral("/books/a.brindle"));
    recent.Add(QStringLiteral("/books/../books/a.brindle"));
    EXPECT_EQ(recent.Paths(), QStringList({"/books/a.brindle"}));
}

}  // namespace
