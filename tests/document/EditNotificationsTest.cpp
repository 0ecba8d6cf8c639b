// SPDX-License-Identifier: MIT
#include "support/BookFixture.h"
#include "support/NotificationRecorder.h"

#include <gtest/gtest.h>

using namespace TarnViewModel;
using Events = std::vector<std::string>;

namespace {

class EditNotifications : public TestSupport::BookFixture {
protected:
    TestSupport::NotificationRecorder recorder{model};
};

}  // namespace

TEST_F(EditNotifications, ChoiceToANewSectionAboveTheHighest)
{
    model.AddChoiceTo(1, 7, L"Descend", false);
    EXPECT_EQ(recorder.Take(), (Events{
                                   "BulkChangeBegins",
                                   "EmptySlotAdded 4",
                                   "EmptySlotAdded 5",
                                   "EmptySlotAdded 6",
                                   "SectionAdded 7",
                                   "BulkChangeEnds",
                                   "ChoiceAdded 1->7 #3 'Descend'",
                                   "UndoRedoChanged 1 0",
                               }));
    model.Undo();
    EXPECT_EQ(recorder.Take(), (Events{
                                   "ChoiceDeleted 1->7 #3 'Descend' cause 0",
                                   "BulkChangeBegins",
                                   "SectionDeleted 7",
                                   "EmptySlotRemoved 7",
                                   "EmptySlotRemoved 6",
                                   "EmptySlotRemoved 5",
                                   "EmptySlotRemoved 4",
                                   "BulkChangeEnds",
                                   "UndoRedoChanged 1 1",
                               }));
}

TEST_F(EditNotifications, DeletingASectionTakesItsChoicesFirst)
{
    model.AddChoiceTo(2, 2, L"Wait", false);
    recorder.Take();
    model.DeleteSectionAndChoices(2);
    EXPECT_EQ(recorder.Take(), (Events{
                                   "ChoiceDeleted 2->2 #1 'Wait' cause 1",
                                   "ChoiceDeleted 1->2 #1 'Left' cause 1",
                                   "BulkChangeBegins",
                                   "SectionDeleted 2",
                                   "BulkChangeEnds",
                                   "UndoRedoChanged 1 0",
                               }));
}

TEST_F(EditNotifications, ChoiceFormatChangeAnnouncesEveryChoice)
{
    model.AddChoiceTo(2, 3, L"On", false);
    recorder.Take();
    model.SetChoiceFormat(L"{{text}} [{{destination}}]");
    Events events = recorder.Take();
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events.front(), "BulkChangeBegins");
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_NE(events[i].find("reason 2"), std::string::npos) << events[i];
        const std::string choice = events[i].substr(std::string("ChoiceUpdated ").size());
        const std::size_t arrow = choice.find(" => ");
        EXPECT_EQ(choice.substr(0, arrow), choice.substr(arrow + 4, arrow)) << "before equals after";
    }
    EXPECT_EQ(events[4], "ChoiceFormatChanged squares {{text}} [{{destination}}]");
    EXPECT_EQ(events[5], "BulkChangeEnds");
    EXPECT_TRUE(model.IsModified());
}

TEST_F(EditNotifications, EditingChoices)
{
    model.DeleteChoices({toTwo, toThree});
    EXPECT_EQ(recorder.Take(), (Events{
                                   "ChoiceDeleted 1->3 #2 'Right' cause 1",
                                   "ChoiceDeleted 1->2 #1 'Left' cause 1",
                                   "UndoRedoChanged 1 0",
                               }));
    model.Undo();
    EXPECT_EQ(recorder.Take(), (Events{
                                   "ChoiceAdded 1->2 #1 'Left'",
                                   "ChoiceAdded 1->3 #2 'Right'",
                                   "UndoRedoChanged 1 1",
                               }));
    model.SetChoiceOrder(1, toThree);
    EXPECT_EQ(recorder.Take(), (Events{
                                   "ChoiceUpdated 1->3 #2 'Right' => 1->3 #1 'Right' property 1 reason 0",
                                   "UndoRedoChanged 1 0",
                               }));
    EXPECT_EQ(Graph().GetChoice(toTwo).order, 2);
}
