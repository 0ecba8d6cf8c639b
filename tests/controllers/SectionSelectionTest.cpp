// SPDX-License-Identifier: MIT
#include "controllers/SectionSelection.h"
#include "support/BookFixture.h"
#include "support/NotificationRecorder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

using namespace TarnViewModel;
using Events = std::vector<std::string>;

namespace {

// The book of three sections, with the selection and the document's notifications written
// down in one sequence.
class SectionSelectionTest : public TestSupport::BookFixture {
protected:
    SectionSelectionTest()
    {
        connections.emplace_back(
            selection.ConnectSectionSelected([this](const Section& s) { recorder.Write("SectionSelected ", s.number); }));
        connections.emplace_back(selection.ConnectSectionDeselected([this](std::uint32_t n) { recorder.Write("SectionDeselected ", n); }));
    }

    SectionSelection selection{model};
    TestSupport::NotificationRecorder recorder{model};
    std::vector<boost::signals2::scoped_connection> connections;
};

}  // namespace

TEST_F(SectionSelectionTest, SelectingHandsOverTypedTextFirstAndGoingToRefusesNumbersWithoutASection)
{
    selection.SetCurrentSection(42);
    EXPECT_EQ(recorder.Take(), (Events{"CommitPendingEdits", "SectionDeselected 42"}));
    selection.GoToSection(2);
    EXPECT_EQ(recorder.Take(), (Events{"CommitPendingEdits", "SectionSelected 2"}));
    for (const auto& [number, message] :
         {std::pair{42u, "There is no section 42 in this book."}, std::pair{0u, "Section number must be between 1 and 10000"},
          std::pair{10001u, "Section number must be between 1 and 10000"}}) {
        try {
            selection.GoToSection(number);
            ADD_FAILURE() << number;
        } catch (const std::exception& error) {
            EXPECT_STREQ(error.what(), message);
        }
        EXPECT_TRUE(recorder.Take().empty()) << number;
    }
    EXPECT_EQ(selection.GetCurrentSection(), 2u);
}

TEST_F(SectionSelectionTest, TheCurrentSectionGoesBeforeItIsDeletedAndComesBackWithUndo)
{
    model.CreateSection(5, L"");
    model.CreateSection(9, L"");
    selection.SetCurrentSection(9);
    recorder.Take();
    model.DeleteSectionAndChoices(9);
    EXPECT_EQ(recorder.Take(), (Events{
                                   "BulkChangeBegins",
                                   "SectionDeselected 9",
                                   "SectionDeleted 9",
                                   "EmptySlotRemoved 9",
                                   "EmptySlotRemoved 8",
                                   "EmptySlotRemoved 7",
                                   "EmptySlotRemoved 6",
                                   "BulkChangeEnds",
                                   "UndoRedoChanged 1 0",
                               }));
    EXPECT_EQ(selection.GetCurrentSection(), 9u) << "the current number is kept";
    model.Undo();
    EXPECT_EQ(recorder.Take(), (Events{
                                   "BulkChangeBegins",
                                   "EmptySlotAdded 6",
                                   "EmptySlotAdded 7",
                                   "EmptySlotAdded 8",
                                   "SectionAdded 9",
                                   "SectionSelected 9",
                                   "BulkChangeEnds",
                                   "UndoRedoChanged 1 1",
                               }));
}

TEST_F(SectionSelectionTest, FollowsItsSectionToANewNumberOnceEveryListenerHasHeard)
{
    model.CreateSection(9, L"");
    std::vector<std::uint32_t> seen;
    const boost::signals2::scoped_connection listener =
        model.ConnectSectionUpdated([&](std::uint32_t, const Section&, SectionProperty) { seen.push_back(selection.GetCurrentSection()); });
    selection.SetCurrentSection(9);
    recorder.Take();
    model.SetSectionNumber(9, 6);
    EXPECT_EQ(seen, std::vector<std::uint32_t>{9u}) << "the panes still know the section by its old number";
    EXPECT_EQ(selection.GetCurrentSection(), 6u);
    EXPECT_EQ(recorder.Take().size(), 7u) << "without a notification of its own";

    selection.SetCurrentSection(4);
    model.SetSectionNumber(6, 4);
    EXPECT_EQ(selection.GetCurrentSection(), 6u) << "an empty number keeps its place when a section moves onto it";
}

TEST_F(SectionSelectionTest, FollowsItsSectionThroughASwap)
{
    const Uuid two = Graph().GetSection(2).id;
    selection.SetCurrentSection(2);
    model.SetSectionNumber(2, 3);
    EXPECT_EQ(selection.GetCurrentSection(), 3u);
    EXPECT_EQ(Graph().GetSection(3).id, two);
    model.SetSectionNumber(2, 3);
    EXPECT_EQ(selection.GetCurrentSection(), 2u);
    EXPECT_EQ(Graph().GetSection(2).id, two);
}

TEST_F(SectionSelectionTest, FollowsItsSectionThroughAShuffleAndItsUndo)
{
    for (std::uint32_t n = 3; n < 20; ++n) {
        model.AddChoiceTo(n, n + 1, L"On", false);
    }
    model.SetSectionShiftableRecorded(20, false);
    std::srand(11);
    selection.SetCurrentSection(5);
    const Uuid selected = Graph().GetSection(5).id;
    std::uint32_t duringRenumbering = NoSection;
    const boost::signals2::scoped_connection listener =
        model.ConnectSectionsRenumbered([&](const NumberChanges&) { duringRenumbering = selection.GetCurrentSection(); });
    recorder.Take();

    model.Shuffle();
    const std::uint32_t current = selection.GetCurrentSection();
    EXPECT_EQ(Graph().GetSection(current).id, selected);
    EXPECT_EQ(duringRenumbering, current) << "the panes renumber with the new number already current";
    const Events events = recorder.Take();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[2], "CommitPendingEdits");
    EXPECT_EQ(events[3], "SectionSelected " + std::to_string(current)) << "announced again after the renumbering";
    model.Undo();
    EXPECT_EQ(selection.GetCurrentSection(), 5u);
}

TEST_F(SectionSelectionTest, UndoingAShuffleWithoutASelectionSelectsNothing)
{
    for (std::uint32_t n = 3; n < 12; ++n) {
        model.AddChoiceTo(n, n + 1, L"On", false);
    }
    model.Shuffle();
    selection.SetCurrentSection(NoSection);
    recorder.Take();
    model.Undo();
    for (const std::string& event : recorder.Take()) {
        EXPECT_EQ(event.rfind("Section", 0) == 0 && event.find("elected") != std::string::npos, false) << event;
    }
}

TEST(SectionSelection, ANewBookShowsItsSectionAndAnOpenedOneItsLowest)
{
    TarnDataModel model;
    SectionSelection selection(model);
    EXPECT_EQ(selection.GetCurrentSection(), NoSection);
    model.NewBook(L"Untitled", L"");
    EXPECT_EQ(selection.GetCurrentSection(), 1u);
    model.CreateSection(2, L"unsaved");
    selection.SetCurrentSection(2);

    model.Load((TestSupport::TestData() / "merged-and-dangling.brindle").wstring());
    EXPECT_EQ(selection.GetCurrentSection(), 5u);
    model.Clear();
    EXPECT_EQ(selection.GetCurrentSection(), NoSection);
}
