// SPDX-License-Identifier: MIT
#include "document/RecoveryFiles.h"
#include "document/BookFileWriter.h"
#include "document/TarnDataModel.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace TarnViewModel;
using TestSupport::TempFolder;
using Clock = std::chrono::system_clock;

std::unique_ptr<TarnDataModel> EditedBook()
{
    auto model = std::make_unique<TarnDataModel>();
    model->NewBook(L"Caves \u2603 & <more>", L"");
    model->AddChoiceTo(1, 2, L"Go on", false);
    model->SetSectionText(2, L"Dark.\r\nVery dark.");
    return model;
}

TEST(RecoveryFiles, ACopyIsOfferedOnlyOnceItsProgramHasEnded)
{
    TempFolder state;
    const auto model = EditedBook();
    const Clock::time_point when = Clock::time_point(std::chrono::seconds(1'800'000'000));
    {
        RecoverySession session(state.Root().string());
        session.Write(*model->Snapshot(), L"/books/caves \u00e9.brindle", when);
        EXPECT_TRUE(FindRecoveryCopies(state.Root().string()).empty()) << "a running program's copy was offered";
    }
    const std::vector<RecoveryCopy> copies = FindRecoveryCopies(state.Root().string());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].bookPath, L"/books/caves \u00e9.brindle");
    EXPECT_EQ(copies[0].title, "Caves \u2603 & <more>");
    EXPECT_EQ(copies[0].savedAt, when);

    TarnDataModel restored;
    restored.Recover(std::filesystem::path(copies[0].copyFile).wstring(), copies[0].bookPath);
    EXPECT_EQ(BookFileText(restored), BookFileText(*model));
    EXPECT_EQ(restored.GetFilePath(), L"/books/caves \u00e9.brindle");
    EXPECT_TRUE(restored.IsModified());

    DiscardRecoveryCopy(copies[0]);
    EXPECT_TRUE(std::filesystem::is_empty(state.Root()));
}

TEST(RecoveryFiles, RemovedCopiesAndBadNotesAreNotOffered)
{
    TempFolder state;
    const auto model = EditedBook();
    {
        RecoverySession session(state.Root().string());
        session.Write(*model->Snapshot(), L"", Clock::now());
        session.Remove();
    }
    TestSupport::WriteBytes(state.Path("broken.recovery"), "<recovery><book>");
    TestSupport::WriteBytes(state.Path("broken.brindle"), "<book/>");
    TestSupport::WriteBytes(state.Path("lonely.recovery"), "<recovery><book>/b.brindle</book></recovery>");
    EXPECT_TRUE(FindRecoveryCopies(state.Root().string()).empty());
    EXPECT_TRUE(FindRecoveryCopies(state.Path("missing").string()).empty());
}

TEST(RecoveryFiles, SeveralCopiesComeNewestFirst)
{
    TempFolder state;
    const auto model = EditedBook();
    for (const int minute : {3, 1, 2}) {
        RecoverySession session(state.Root().string());
        session.Write(*model->Snapshot(), L"/b" + std::to_wstring(minute), Clock::time_point(std::chrono::minutes(minute)));
    }
    std::vector<std::wstring> books;
    for (const RecoveryCopy& copy : FindRecoveryCopies(state.Root().string())) {
        books.push_back(copy.bookPath);
    }
    EXPECT_EQ(books, (std::vector<std::wstring>{L"/b3", L"/b2", L"/b1"}));
}

TEST(RecoveryFiles, TheFolderFollowsXdgStateHome)
{
    const char* saved = std::getenv("XDG_STATE_HOME");
    const std::string previous = saved != nullptr ? saved : "";
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("XDG_STATE_HOME", "/tmp/state", 1);
    EXPECT_EQ(RecoveryFolder(), "/tmp/state/brindle-studio/recovery");
    setenv("XDG_STATE_HOME", "relative/state", 1);
    setenv("HOME", "/home/author", 1);
    EXPECT_EQ(RecoveryFolder(), "/home/author/.local/state/brindle-studio/recovery");
    setenv("HOME", home.c_str(), 1);
    if (saved != nullptr) {
        setenv("XDG_STATE_HOME", previous.c_str(), 1);
    } else {
        unsetenv("XDG_STATE_HOME");
    }
}

TEST(RecoveryFiles, AFolderThatCannotBeMadeFailsTheWriteWithItsName)
{
    TempFolder state;
    TestSupport::WriteBytes(state.Path("file"), "in the way");
    RecoverySession session(state.Path("file").string());
    try {
        session.Write(*EditedBook()->Snapshot(), L"", Clock::now());
        ADD_FAILURE() << "the write looked like a success";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find(state.Path("file").string()), std::string::npos) << error.what();
    }
}

}  // namespace
