// SPDX-License-Identifier: MIT
#include "controllers/BookOutlineController.h"
#include "RecordingViews.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;
using Calls = std::vector<std::string>;

struct BookOutlineControllerTest : testing::Test {
    TarnDataModel model;
    SectionSelection selection{model};
    TestSupport::RecordingOutlineView view;
    BookOutlineController controller{model, selection, &view};
};

TEST_F(BookOutlineControllerTest, GapsAreListedAsEmptySlotsAndDisappearWithTheHighestSection)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"Cave");
    view.Clear();
    model.CreateSection(5, L"");
    EXPECT_EQ(view.Calls(), (Calls{"SetOutlineEntry 3,3 <Empty>,false", "SetOutlineEntry 4,4 <Empty>,false", "SetOutlineEntry 5,5,true"}));
    view.Clear();
    model.DeleteSectionAndChoices(5);
    EXPECT_EQ(view.Calls(),
              (Calls{"SetOutlineEntry 5,5 <Empty>,false", "RemoveOutlineEntry 5", "RemoveOutlineEntry 4", "RemoveOutlineEntry 3"}));
}

TEST_F(BookOutlineControllerTest, ALoadedBookIsListedInOneUpdateAndTheCurrentEntrySelected)
{
    TestSupport::TempFolder folder;
    model.NewBook(L"Quest", L"");
    model.SetSectionText(1, L"Start here\r\nnow");
    model.CreateSection(3, L"End");
    model.Save(folder.WidePath("book.brindle"));
    view.Clear();
    model.Load(folder.WidePath("book.brindle"));
    const Calls& calls = view.Calls();
    const Calls expected{"ClearOutline",
                         "BeginUpdate",
                         "SetOutlineEntry 1,1 - Start here,true",
                         "SetOutlineEntry 2,2 <Empty>,false",
                         "SetOutlineEntry 3,3 - End,true",
                         "EndUpdate"};
    EXPECT_NE(std::search(calls.begin(), calls.end(), expected.begin(), expected.end()), calls.end());
    EXPECT_EQ(calls.back(), "SelectOutlineEntry 1");
}

TEST_F(BookOutlineControllerTest, SwappingAndRenumberingKeepTheSelectionOnTheMovedSection)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"Two");
    selection.SetCurrentSection(1);
    view.Clear();
    model.SetSectionNumber(1, 2);
    // The swap names the moved section first and the one it displaced second.
    EXPECT_EQ(view.Calls(), (Calls{"SetOutlineEntry 1,1 - Two,true", "SetOutlineEntry 2,2,true", "SelectOutlineEntry 2"}));
    view.Clear();
    model.CreateSection(3, L"");
    selection.SetCurrentSection(3);
    view.Clear();
    model.SetSectionNumber(3, 5);
    EXPECT_EQ(view.Calls(), (Calls{"SetOutlineEntry 3,3 <Empty>,false", "SetOutlineEntry 4,4 <Empty>,false", "SetOutlineEntry 5,5,true",
                                   "SelectOutlineEntry 5"}));
}

TEST_F(BookOutlineControllerTest, AShuffleIsListedInTheNextTurnAndALaterLoadDropsThatListing)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"Two");
    model.CreateSection(3, L"Three");
    model.AddChoiceTo(1, 2, L"", false);
    model.AddChoiceTo(2, 3, L"", false);
    selection.SetCurrentSection(2);
    view.Clear();
    model.Shuffle();
    EXPECT_EQ(view.Count("SetOutlineEntry"), 0u) << "listed in the same turn as the shuffle";
    view.RunSteps();
    ASSERT_EQ(view.Count("SetOutlineEntry"), 3u);
    const std::uint32_t moved = selection.GetCurrentSection();
    EXPECT_TRUE(view.Contains("SetOutlineEntry " + std::to_string(moved) + "," + std::to_string(moved) + " - Two,true"));
    EXPECT_EQ(view.Calls().back(), "SelectOutlineEntry " + std::to_string(moved));

    model.Undo();
    model.NewBook(L"Other", L"");
    view.Clear();
    view.RunSteps();
    EXPECT_TRUE(view.Calls().empty()) << "a listing of the old book ran over the new one";
}

}  // namespace
