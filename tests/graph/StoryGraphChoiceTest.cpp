// SPDX-License-Identifier: MIT
#include "graph/StoryGraph.h"
#include "graph/TarnDataModelException.h"
#include "support/ExpectMessage.h"
#include "support/GraphBuilders.h"
#include "support/GraphSnapshot.h"

#include <gtest/gtest.h>

using namespace TarnViewModel;
using namespace TestSupport;

namespace {

class StoryGraphChoices : public ::testing::Test {
protected:
    StoryGraphChoices() { AddSections(graph, {1, 2, 3}); }

    std::vector<Uuid> OrderOf(std::uint32_t number, bool descending = false) const
    {
        std::vector<Uuid> ids;
        graph.VisitSectionChoices(number, descending, [&ids](const Choice& c) { ids.push_back(c.id); });
        return ids;
    }

    std::vector<std::int32_t> OrdersOf(const std::vector<Uuid>& ids) const
    {
        std::vector<std::int32_t> orders;
        for (const Uuid& id : ids) {
            orders.push_back(graph.GetChoice(id).order);
        }
        return orders;
    }

    StoryGraph graph;
};

}  // namespace

TEST_F(StoryGraphChoices, OrderZeroAppendsAndOrderOneGoesFirst)
{
    Choice a = Link(graph, 1, 2), b = Link(graph, 1, 3), c = Link(graph, 1, 1);
    EXPECT_EQ(OrderOf(1), (std::vector<Uuid>{a.id, b.id, c.id}));
    EXPECT_EQ(OrdersOf({a.id, b.id, c.id}), (std::vector<std::int32_t>{1, 2, 3}));

    Choice first = MakeChoice(1, 2, 1);
    graph.AddChoice(first);
    EXPECT_EQ(OrderOf(1), (std::vector<Uuid>{first.id, a.id, b.id, c.id}));
    EXPECT_EQ(OrdersOf(OrderOf(1)), (std::vector<std::int32_t>{1, 2, 3, 4}));

    Choice middle = MakeChoice(1, 3, 3);
    graph.AddChoice(middle);
    Choice last = MakeChoice(1, 3, 6);
    graph.AddChoice(last);
    EXPECT_EQ(OrderOf(1), (std::vector<Uuid>{first.id, a.id, middle.id, b.id, c.id, last.id}));
    EXPECT_EQ(OrderOf(1, true), (std::vector<Uuid>{last.id, c.id, b.id, middle.id, a.id, first.id}));
}

TEST_F(StoryGraphChoices, DeletingTheSecondOfThreeRenumbers)
{
    Choice a = Link(graph, 1, 2), b = Link(graph, 1, 3), c = Link(graph, 1, 2);
    graph.DeleteChoice(b.id);
    EXPECT_EQ(OrderOf(1), (std::vector<Uuid>{a.id, c.id}));
    EXPECT_EQ(OrdersOf(OrderOf(1)), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(graph.ChoiceCount(1), 2u);
}

TEST_F(StoryGraphChoices, UpdateMovesWithinTheOrderAndChangesDestination)
{
    Choice a = Link(graph, 1, 2), b = Link(graph, 1, 2), c = Link(graph, 1, 2);
    Choice moved = c;
    moved.order = 1;
    moved.destination = 3;
    moved.text = L"Run";
    graph.UpdateChoice(c.id, moved);
    EXPECT_EQ(OrderOf(1), (std::vector<Uuid>{c.id, a.id, b.id}));
    EXPECT_EQ(OrdersOf(OrderOf(1)), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(graph.GetChoice(c.id).text, L"Run");

    std::vector<Uuid> intoThree;
    graph.VisitChoicesOfSections({3}, [&intoThree](const Choice& ch) { intoThree.push_back(ch.id); });
    EXPECT_EQ(intoThree, std::vector<Uuid>{c.id}) << "the edge follows the new destination";
    std::vector<Uuid> intoTwo;
    graph.VisitChoicesOfSections({2}, [&intoTwo](const Choice& ch) { intoTwo.push_back(ch.id); });
    EXPECT_EQ(intoTwo.size(), 2u);
}

TEST_F(StoryGraphChoices, LoopIsVisitedAndCountedOnce)
{
    Choice loop = Link(graph, 2, 2);
    Choice in = Link(graph, 1, 2);
    std::vector<Uuid> visited;
    graph.VisitChoicesOfSections({2}, [&visited](const Choice& c) { visited.push_back(c.id); });
    std::vector<Uuid> expected{loop.id, in.id};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(visited, expected) << "each once, in id order";
    EXPECT_EQ(graph.ChoiceCount(2), 1u);

    visited.clear();
    graph.VisitChoicesOfSections({1, 2}, [&visited](const Choice& c) { visited.push_back(c.id); });
    EXPECT_EQ(visited, expected) << "a choice between two listed sections is visited once";
}

TEST_F(StoryGraphChoices, HiddenChoicesCountOnlyWhenAsked)
{
    Link(graph, 1, 2, true);
    EXPECT_FALSE(graph.HasChoices(1, false));
    EXPECT_TRUE(graph.HasChoices(1, true));
    EXPECT_FALSE(graph.HasChoices(2, true));
    EXPECT_EQ(graph.ChoiceCount(1), 1u);
}

TEST_F(StoryGraphChoices, AllChoicesAreInIdOrder)
{
    for (int i = 0; i < 20; ++i) {
        Link(graph, 1 + i % 3, 1 + (i * 7) % 3);
    }
    std::vector<Choice> all = graph.AllChoices();
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const Choice& x, const Choice& y) { return x.id < y.id; }));
    std::vector<Uuid> visited;
    graph.VisitChoices([&visited](const Choice& c) { visited.push_back(c.id); });
    ASSERT_EQ(visited.size(), all.size());
    EXPECT_EQ(visited.front(), all.front().id);
}

TEST_F(StoryGraphChoices, FailingOperationsThrowAndChangeNothing)
{
    Choice existing = Link(graph, 1, 2);
    Link(graph, 2, 2);
    const GraphSnapshot before = GraphSnapshot::Of(graph);

    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.AddChoice(existing); }, "Choice with this id already exists");
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.AddChoice(MakeChoice(1, 9)); }, "Section does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.AddChoice(MakeChoice(9, 1)); }, "Section does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.GetChoice(NewId()); }, "Choice does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.DeleteChoice(NewId()); }, "Choice does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.UpdateChoice(NewId(), existing); }, "Choice cannot be updated");
    Choice badDestination = existing;
    badDestination.destination = 9;
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.UpdateChoice(existing.id, badDestination); }, "Section does not exist");
    const std::string notVisitable = "Section cannot be visited - it does not exist";
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.VisitSectionChoices(9, false, [](const Choice&) {}); }, notVisitable);
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.ChoiceCount(9); }, notVisitable);
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.HasChoices(9, true); }, notVisitable);

    int calls = 0;
    ExpectThrowWithMessage<TarnDataModelException>(
        [&] {
            graph.VisitChoicesOfSections({1, 9}, [&calls](const Choice&) { ++calls; });
        },
        notVisitable);
    EXPECT_EQ(calls, 0) << "the numbers are checked before any callback";

    EXPECT_EQ(GraphSnapshot::Of(graph), before);
}

TEST_F(StoryGraphChoices, VisitorMayChangeTheGraph)
{
    Link(graph, 1, 2);
    Link(graph, 1, 3);
    graph.VisitSectionChoices(1, true, [this](const Choice& c) { graph.DeleteChoice(c.id); });
    EXPECT_EQ(graph.ChoiceCount(1), 0u);
}
