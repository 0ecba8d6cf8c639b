// SPDX-License-Identifier: MIT
#include "graph/StoryGraph.h"
#include "graph/TarnDataModelException.h"
#include "support/ExpectMessage.h"
#include "support/GraphBuilders.h"
#include "support/GraphSnapshot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using namespace TarnViewModel;
using namespace TestSupport;

namespace {

Section Renumbered(const StoryGraph& graph, std::uint32_t from, std::uint32_t to)
{
    Section section = graph.GetSection(from);
    section.number = to;
    return section;
}

}  // namespace

TEST(StoryGraphNumbering, RenumberToAFreeNumberCarriesTheChoices)
{
    StoryGraph graph;
    AddSections(graph, {1, 2, 3});
    Choice in = Link(graph, 1, 3), out = Link(graph, 3, 2), loop = Link(graph, 3, 3);
    const Uuid id = graph.GetSection(3).id;

    graph.UpdateSection(3, Renumbered(graph, 3, 8));
    EXPECT_FALSE(graph.HasSection(3));
    EXPECT_EQ(graph.GetSection(8).id, id);
    EXPECT_EQ(graph.GetChoice(in.id).destination, 8u);
    EXPECT_EQ(graph.GetChoice(out.id).source, 8u);
    EXPECT_EQ(graph.GetChoice(loop.id).source, 8u);
    EXPECT_EQ(graph.GetChoice(loop.id).destination, 8u);
    EXPECT_EQ(graph.ChoiceCount(8), 2u);
    EXPECT_EQ(graph.GetChoice(loop.id).order, 2) << "orders are untouched";
}

TEST(StoryGraphNumbering, RenumberOntoATakenNumberSwaps)
{
    StoryGraph graph;
    AddSections(graph, {1, 2, 5});
    Choice toTwo = Link(graph, 1, 2), toFive = Link(graph, 1, 5), twoToFive = Link(graph, 2, 5);
    const Uuid two = graph.GetSection(2).id, five = graph.GetSection(5).id;

    graph.UpdateSection(2, Renumbered(graph, 2, 5));
    EXPECT_EQ(graph.GetSection(5).id, two);
    EXPECT_EQ(graph.GetSection(2).id, five);
    EXPECT_EQ(graph.GetSection(2).number, 2u);
    EXPECT_EQ(graph.GetChoice(toTwo.id).destination, 5u);
    EXPECT_EQ(graph.GetChoice(toFive.id).destination, 2u);
    EXPECT_EQ(graph.GetChoice(twoToFive.id).source, 5u);
    EXPECT_EQ(graph.GetChoice(twoToFive.id).destination, 2u);
    EXPECT_EQ(graph.SectionCount(), 3u);
}

TEST(StoryGraphNumbering, ApplyNumbersRewritesAndRefusesCollisions)
{
    StoryGraph graph;
    AddSections(graph, {1, 2, 3});
    Choice c = Link(graph, 1, 2);
    const Numbering original = graph.CurrentNumbering();
    Numbering moved;
    moved[graph.GetSection(1).id] = 3;
    moved[graph.GetSection(3).id] = 1;
    graph.ApplyNumbers(moved);
    EXPECT_EQ(graph.GetChoice(c.id).source, 3u);
    EXPECT_EQ(graph.GetChoice(c.id).destination, 2u);

    const GraphSnapshot before = GraphSnapshot::Of(graph);
    Numbering collision;
    collision[graph.GetSection(1).id] = 2;
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.ApplyNumbers(collision); }, "Numbering gives two sections the same number");
    EXPECT_EQ(GraphSnapshot::Of(graph), before);

    graph.ApplyNumbers(original);
    EXPECT_EQ(graph.CurrentNumbering(), original);
    EXPECT_EQ(graph.GetChoice(c.id).source, 1u);
}

TEST(StoryGraphNumbering, ShuffleMovesOnlyShiftableSections)
{
    StoryGraph graph;
    for (std::uint32_t n = 1; n <= 40; ++n) {
        Section s = MakeSection(n);
        s.shiftable = n % 5 != 0;
        graph.AddSection(s);
    }
    for (std::uint32_t n = 1; n < 40; ++n) {
        Link(graph, n, n + 1);
    }
    const StoryGraph before(graph);
    std::srand(7);
    graph.Shuffle();

    std::set<std::uint32_t> shiftableNumbers;
    graph.VisitSections([&](const Section& s) {
        const Section& old = [&]() -> const Section& {
            for (std::uint32_t n = 1; n <= 40; ++n) {
                if (before.GetSection(n).id == s.id) {
                    return before.GetSection(n);
                }
            }
            throw std::logic_error("lost section");
        }();
        if (!old.shiftable) {
            EXPECT_EQ(s.number, old.number);
        } else {
            shiftableNumbers.insert(s.number);
        }
    });
    EXPECT_EQ(shiftableNumbers.size(), 32u);
    EXPECT_EQ(graph.SectionCount(), 40u);
    for (const Choice& c : before.AllChoices()) {
        const Choice& now = graph.GetChoice(c.id);
        EXPECT_EQ(graph.GetSection(now.source).id, before.GetSection(c.source).id);
        EXPECT_EQ(graph.GetSection(now.destination).id, before.GetSection(c.destination).id);
    }

    StoryGraph again(before);
    std::srand(7);
    again.Shuffle();
    EXPECT_EQ(again.CurrentNumbering(), graph.CurrentNumbering()) << "the same seed gives the same permutation";
}

TEST(StoryGraphNumbering, ScoreAveragesCappedSquaredDistances)
{
    StoryGraph graph;
    AddSections(graph, {10, 11, 20});
    Link(graph, 10, 11);
    Link(graph, 10, 20);
    EXPECT_EQ(graph.ScoreNumbering(), 5u) << "(1 + 10) / 2 rounded down";

    StoryGraph same;
    AddSections(same, {10});
    Link(same, 10, 10);
    Link(same, 10, 10);
    EXPECT_EQ(same.ScoreNumbering(), 0u);

    StoryGraph far;
    AddSections(far, {1, 4000000000u});
    Link(far, 1, 4000000000u);
    Link(far, 4000000000u, 1);
    EXPECT_EQ(far.ScoreNumbering(), 20u) << "huge gaps score 10 each, without overflow";

    StoryGraph twoThree;
    AddSections(twoThree, {1, 3, 4});
    Link(twoThree, 1, 3);
    Link(twoThree, 4, 1);
    Link(twoThree, 4, 1);
    EXPECT_EQ(twoThree.ScoreNumbering(), 8u) << "4 + (9 + 0) / 2, rounded down once at the end";
}
