// SPDX-License-Identifier: MIT
#include "graph/TarnDataModelException.h"
#include "support/BookFixture.h"
#include "support/ExpectMessage.h"
#include "support/NotificationRecorder.h"

#include <gtest/gtest.h>

using namespace TarnViewModel;
using Events = std::vector<std::string>;
using TestSupport::ExpectThrowWithMessage;

namespace {

class Renumbering : public TestSupport::BookFixture {
protected:
    Renumbering()
    {
        model.CreateSection(4, L"");
        model.AddChoiceTo(4, 2, L"Back", false);
        model.AddChoiceTo(4, 4, L"Stay", false);
        recorder.Take();
    }

    TestSupport::NotificationRecorder recorder{model};
};

}  // namespace

TEST_F(Renumbering, HighestToAFreeNumberAbove)
{
    const Uuid id = Graph().GetSection(4).id;
    model.SetSectionNumber(4, 7);
    EXPECT_EQ(recorder.Take(), (Events{
                                   "BulkChangeBegins",
                                   "ChoiceDeleted 4->4 #2 'Stay' cause 1",
                                   "ChoiceDeleted 4->2 #1 'Back' cause 1",
                                   "EmptySlotAdded 4",
                                   "EmptySlotAdded 5",
                                   "EmptySlotAdded 6",
                                   "SectionUpdated 4 7 property 1",
                                   "ChoiceAdded 7->2 #1 'Back'",
                                   "ChoiceAdded 7->7 #2 'Stay'",
                                   "BulkChangeEnds",
                               }));
    EXPECT_EQ(Graph().GetSection(7).id, id);
    EXPECT_TRUE(model.IsModified());
}

TEST_F(Renumbering, HighestDownIntoAGap)
{
    model.CreateSection(9, L"");
    recorder.Take();
    model.SetSectionNumber(9, 6);
    EXPECT_EQ(recorder.Take(), (Events{
                                   "BulkChangeBegins",
                                   "EmptySlotAdded 9",
                                   "EmptySlotRemoved 9",
                                   "EmptySlotRemoved 8",
                                   "EmptySlotRemoved 7",
                                   "SectionUpdated 9 6 property 1",
                                   "BulkChangeEnds",
                               }));
}

TEST_F(Renumbering, OntoATakenNumberSwaps)
{
    const Uuid two = Graph().GetSection(2).id, four = Graph().GetSection(4).id;
    model.SetSectionNumber(2, 4);
    EXPECT_EQ(recorder.Take(), (Events{
                                   "BulkChangeBegins",
                                   "ChoiceDeleted 4->4 #2 'Stay' cause 1",
                                   "ChoiceDeleted 4->2 #1 'Back' cause 1",
                                   "ChoiceDeleted 1->2 #1 'Left' cause 1",
                                   "SectionsSwapped 4 2",
                                   "ChoiceAdded 1->4 #1 'Left'",
                                   "ChoiceAdded 2->4 #1 'Back'",
                                   "ChoiceAdded 2->2 #2 'Stay'",
                                   "BulkChangeEnds",
                               }));
    EXPECT_EQ(Graph().GetSection(4).id, two);
    EXPECT_EQ(Graph().GetSection(2).id, four);
    EXPECT_EQ(Graph().GetChoice(toTwo).destination, 4u);
}

TEST_F(Renumbering, RefusedNumbersChangeNothing)
{
    const auto before = Snapshot();
    const std::string outOfRange = "Section number must be between 1 and 10000";
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.SetSectionNumber(2, 0); }, outOfRange);
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.SetSectionNumber(2, NoSection); }, outOfRange);
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.SetSectionNumber(2, 10001); }, outOfRange);
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.SetSectionNumber(8, 5); }, "Section does not exist");
    model.SetSectionNumber(2, 2);
    EXPECT_TRUE(recorder.Take().empty()) << "no bulk change is left open";
    EXPECT_EQ(Snapshot(), before);
    model.SetSectionNumber(2, 10000);
    EXPECT_TRUE(Graph().HasSection(10000));
}
