// SPDX-License-Identifier: MIT
#include "controllers/FrameworkController.h"
#include "RecordingViews.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;
using Calls = std::vector<std::string>;

struct FrameworkControllerTest : testing::Test {
    TarnDataModel model;
    SectionSelection selection{model};
    TestSupport::RecordingFrameworkView view;
    FrameworkController controller{model, selection, &view};
};

TEST_F(FrameworkControllerTest, ANewBookResetsTheCommandStatesThenReportsItsFirstSection)
{
    model.NewBook(L"Quest", L"");
    const Calls& calls = view.Calls();
    const Calls reset{"OnBookReset", "SetBookHasSections false", "SetSectionSelected false", "SetUndoRedoState false,false"};
    auto start = std::search(calls.begin(), calls.end(), reset.begin(), reset.end());
    ASSERT_NE(start, calls.end());
    const Calls after(start + static_cast<std::ptrdiff_t>(reset.size()), calls.end());
    EXPECT_NE(std::find(after.begin(), after.end(), "SetBookHasSections true"), after.end());
    EXPECT_NE(std::find(after.begin(), after.end(), "SetSectionSelected true"), after.end());
    EXPECT_EQ(calls.back(), "SetUndoRedoState false,false");
}

TEST_F(FrameworkControllerTest, AddSectionFillsTheSelectedEmptySlotOrTakesTheNextFreeNumber)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    model.CreateSection(9, L"");
    selection.SetCurrentSection(7);
    controller.AddNewSection();
    EXPECT_TRUE(model.GetStoryGraph().HasSection(7));
    EXPECT_EQ(selection.GetCurrentSection(), 7u);

    controller.AddNewSection();
    EXPECT_TRUE(model.GetStoryGraph().HasSection(3));
    EXPECT_EQ(selection.GetCurrentSection(), 3u);
    model.Undo();
    EXPECT_FALSE(model.GetStoryGraph().HasSection(3));
}

TEST_F(FrameworkControllerTest, DeletingTheLastSectionClearsTheHasSectionsFlagOnly)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    view.Clear();
    model.DeleteSectionAndChoices(2);
    EXPECT_FALSE(view.Contains("SetBookHasSections false"));
    model.DeleteSectionAndChoices(1);
    EXPECT_TRUE(view.Contains("SetBookHasSections false"));
    EXPECT_TRUE(view.Contains("SetSectionSelected false"));
}

TEST_F(FrameworkControllerTest, OnlyAModifiedBookIsAskedAboutAndTheAnswerDecides)
{
    model.NewBook(L"Quest", L"");
    view.Clear();
    EXPECT_TRUE(controller.MayDiscardChanges());
    EXPECT_EQ(view.Calls(), Calls{});

    model.CreateSection(5, L"kept");
    view.answer = false;
    view.Clear();
    EXPECT_FALSE(controller.MayDiscardChanges());
    EXPECT_EQ(view.Calls(), Calls{"AskSaveChanges"});
    EXPECT_TRUE(model.IsModified());

    view.answer = true;
    EXPECT_TRUE(controller.MayDiscardChanges());
}

TEST_F(FrameworkControllerTest, TextAnEditorHoldsCountsBeforeTheQuestion)
{
    model.NewBook(L"Quest", L"");
    auto editor = model.ConnectCommitPendingEdits([this] {
        if (model.GetStoryGraph().GetSection(1).text.empty()) {
            model.SetSectionText(1, L"typed");
        }
    });
    view.Clear();
    view.answer = false;
    EXPECT_FALSE(controller.MayDiscardChanges());
    EXPECT_EQ(view.Calls(), Calls{"AskSaveChanges"});
}

TEST_F(FrameworkControllerTest, AYesThatSavedTheBookLetsItGo)
{
    TestSupport::TempFolder folder;
    model.NewBook(L"Quest", L"");
    model.CreateSection(5, L"kept");
    // The window answers Yes by saving and reports the question as not yet settled.
    view.answer = false;
    view.onAsk = [&] { model.Save(folder.WidePath("quest.brindle")); };
    EXPECT_TRUE(controller.MayDiscardChanges());
    EXPECT_FALSE(model.IsModified());
}

TEST_F(FrameworkControllerTest, LoadingABookWithoutSectionsLeavesTheFlagCleared)
{
    TestSupport::TempFolder folder;
    TestSupport::WriteBytes(folder.Path("empty.brindle"), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<book version=\"2\"/>\n");
    model.Load(folder.WidePath("empty.brindle"));
    EXPECT_TRUE(view.Contains("SetBookHasSections false"));
    EXPECT_FALSE(view.Contains("SetBookHasSections true"));
}

TEST_F(FrameworkControllerTest, ExportBookChoosesTheFormatByFileTypeIndex)
{
    model.NewBook(L"Quest", L"End");
    std::ostringstream text;
    FrameworkController::ExportBook(*model.Snapshot(), text, 8);
    EXPECT_EQ(text.str(), "Quest\n\n1\n\n\n\nEnd");
    std::ostringstream cog;
    FrameworkController::ExportBook(*model.Snapshot(), cog, 6);
    EXPECT_EQ(cog.str().rfind("*title Quest\n", 0), 0u);
}

}  // namespace
