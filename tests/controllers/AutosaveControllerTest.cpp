// SPDX-License-Identifier: MIT
#include "controllers/AutosaveController.h"
#include "document/BookFileWriter.h"
#include "document/TarnDataModel.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "support/PostedQueue.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;
using TestSupport::TempFolder;

using TestSupport::PostedQueue;

class AutosaveControllerTest : public testing::Test {
protected:
    AutosaveControllerTest() { model_.NewBook(L"Book", L""); }

    void TickAndWait()
    {
        autosave_.Tick();
        autosave_.Finish();
        outcomes_.RunAll();
    }
    // Copies of a running program are never offered, so this one is looked for by name.
    bool HasCopy() const { return std::filesystem::exists(session_.CopyFile()); }

    TempFolder state_;
    TarnDataModel model_;
    RecoverySession session_{state_.Root().string()};
    PostedQueue outcomes_;
    AutosaveController autosave_{model_, session_, outcomes_.Dispatcher()};
};

TEST_F(AutosaveControllerTest, ACopyIsKeptOnlyWhileTheBookHasUnsavedChanges)
{
    TickAndWait();
    EXPECT_FALSE(HasCopy()) << "a new, unchanged book got a copy";

    model_.AddChoiceTo(1, 2, L"On", false);
    TickAndWait();
    ASSERT_TRUE(HasCopy());
    TarnDataModel copy;
    copy.Load(std::filesystem::path(session_.CopyFile()).wstring());
    EXPECT_EQ(BookFileText(copy), BookFileText(model_));

    model_.Save(state_.WidePath("book.brindle"));
    TickAndWait();
    EXPECT_FALSE(HasCopy()) << "a saved book kept its copy";
}

TEST_F(AutosaveControllerTest, TextStillInAnEditorIsPartOfTheCopy)
{
    auto editor = model_.ConnectCommitPendingEdits([this] { model_.SetSectionText(1, L"Typed, not yet handed over"); });
    TickAndWait();
    ASSERT_TRUE(HasCopy()) << "an editor's pending words were not counted as a change";
    TarnDataModel copy;
    copy.Load(std::filesystem::path(session_.CopyFile()).wstring());
    EXPECT_EQ(copy.GetStoryGraph().GetSection(1).text, L"Typed, not yet handed over");
}

TEST_F(AutosaveControllerTest, EachChangeIsCopiedOnceAndTheLatestWins)
{
    model_.AddChoiceTo(1, 2, L"On", false);
    TickAndWait();
    const auto first = std::filesystem::last_write_time(session_.CopyFile());
    std::filesystem::last_write_time(session_.CopyFile(), first - std::chrono::hours(1));
    TickAndWait();
    EXPECT_EQ(std::filesystem::last_write_time(session_.CopyFile()), first - std::chrono::hours(1)) << "an unchanged book was copied again";

    model_.SetTitle(L"Renamed");
    TickAndWait();
    TarnDataModel copy;
    copy.Load(std::filesystem::path(session_.CopyFile()).wstring());
    EXPECT_EQ(copy.GetTitle(), L"Renamed");
}

TEST_F(AutosaveControllerTest, DiscardingWaitsForTheCopyUnderWay)
{
    model_.AddChoiceTo(1, 2, L"On", false);
    autosave_.Tick();
    autosave_.Discard();
    autosave_.Finish();
    outcomes_.RunAll();
    EXPECT_FALSE(HasCopy());
    EXPECT_TRUE(FindRecoveryCopies(state_.Root().string()).empty());
}

TEST(AutosaveController, AFailedCopyIsReportedAndTriedAgain)
{
    TempFolder state;
    TestSupport::WriteBytes(state.Path("blocked"), "a file where the folder should be");
    TarnDataModel model;
    model.NewBook(L"Book", L"");
    RecoverySession session(state.Path("blocked").string());
    PostedQueue outcomes;
    AutosaveController autosave(model, session, outcomes.Dispatcher());
    std::vector<std::string> reports;
    autosave.SetFailureReport([&reports](std::exception_ptr failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& error) {
            reports.push_back(error.what());
        }
    });
    model.SetTitle(L"Changed");
    for (int tick = 0; tick < 2; ++tick) {
        autosave.Tick();
        autosave.Finish();
        outcomes.RunAll();
    }
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find("part of the path is not a folder"), std::string::npos) << reports[0];
}

// Outcomes that arrive once the controller is gone must not reach it.
TEST(AutosaveController, OutcomesAfterTheControllerIsGoneAreDropped)
{
    TempFolder state;
    TarnDataModel model;
    model.NewBook(L"Book", L"");
    RecoverySession session(state.Root().string());
    PostedQueue outcomes;
    {
        AutosaveController autosave(model, session, outcomes.Dispatcher());
        model.SetTitle(L"Changed");
        autosave.Tick();
        autosave.Finish();
    }
    outcomes.RunAll();
    EXPECT_TRUE(std::filesystem::exists(session.CopyFile()));
}

}  // namespace
