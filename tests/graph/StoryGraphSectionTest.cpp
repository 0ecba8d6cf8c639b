// SPDX-License-Identifier: MIT
#include "graph/StoryGraph.h"
#include "graph/TarnDataModelException.h"
#include "support/ExpectMessage.h"
#include "support/GraphBuilders.h"
#include "support/GraphSnapshot.h"

#include <gtest/gtest.h>

using namespace TarnViewModel;
using namespace TestSupport;

TEST(StoryGraphSections, NewSectionDefaults)
{
    Section section;
    EXPECT_FALSE(section.id.is_nil());
    EXPECT_EQ(section.id.version(), boost::uuids::uuid::version_random_number_based);
    EXPECT_NE(section.id, Section().id);
    EXPECT_TRUE(section.shiftable);
    EXPECT_EQ(CommonLib::ColourUtilities::ToString(section.backgroundColour), L"#ffffff");
    EXPECT_EQ(CommonLib::ColourUtilities::ToString({0x0a, 0xbc, 0x00}), L"#0abc00");
}

TEST(StoryGraphSections, EmptyGraphBounds)
{
    StoryGraph graph;
    EXPECT_EQ(graph.FirstSectionNumber(), -1);
    EXPECT_EQ(graph.LastSectionNumber(), 0u);
    EXPECT_EQ(graph.NextFreeSectionNumber(), 1u);
    EXPECT_EQ(graph.SectionCount(), 0u);
    EXPECT_TRUE(graph.AllSections().empty());
}

TEST(StoryGraphSections, AddGetAndVisitInNumberOrder)
{
    StoryGraph graph;
    AddSections(graph, {7, 2, 4});
    EXPECT_EQ(graph.FirstSectionNumber(), 2);
    EXPECT_EQ(graph.LastSectionNumber(), 7u);
    EXPECT_EQ(graph.SectionCount(), 3u);
    EXPECT_TRUE(graph.HasSection(4));
    EXPECT_FALSE(graph.HasSection(3));
    EXPECT_EQ(graph.GetSection(4).number, 4u);

    std::vector<std::uint32_t> visited;
    graph.VisitSections([&visited](const Section& s) { visited.push_back(s.number); });
    EXPECT_EQ(visited, (std::vector<std::uint32_t>{2, 4, 7}));
    EXPECT_EQ(graph.AllSections().back().number, 7u);
}

TEST(StoryGraphSections, NextFreeNumberFindsTheFirstGap)
{
    StoryGraph gapAtThree;
    AddSections(gapAtThree, {1, 2, 4});
    EXPECT_EQ(gapAtThree.NextFreeSectionNumber(), 3u);

    StoryGraph noOne;
    AddSections(noOne, {2, 3});
    EXPECT_EQ(noOne.NextFreeSectionNumber(), 1u);

    StoryGraph full;
    AddSections(full, {1, 2, 3});
    EXPECT_EQ(full.NextFreeSectionNumber(), 4u);
}

TEST(StoryGraphSections, UpdateReplacesFieldsButKeepsTheId)
{
    StoryGraph graph;
    AddSections(graph, {1});
    const Uuid id = graph.GetSection(1).id;
    Section changed = graph.GetSection(1);
    changed.summary = L"The gate";
    changed.text = L"You stand\r\nat the gate.";
    changed.shiftable = false;
    changed.backgroundColour = {1, 2, 3};
    graph.UpdateSection(1, changed);
    EXPECT_EQ(graph.GetSection(1), changed);
    EXPECT_EQ(graph.GetSection(1).id, id);
}

TEST(StoryGraphSections, DeleteRemovesTheSection)
{
    StoryGraph graph;
    AddSections(graph, {1, 2});
    graph.DeleteSection(2);
    EXPECT_FALSE(graph.HasSection(2));
    EXPECT_EQ(graph.LastSectionNumber(), 1u);
    graph.AddSection(MakeSection(2));
    EXPECT_EQ(graph.ChoiceCount(2), 0u) << "a re-added number starts with an empty order";
}

TEST(StoryGraphSections, FailingOperationsThrowAndChangeNothing)
{
    StoryGraph graph;
    AddSections(graph, {1, 2});
    Link(graph, 1, 2);
    const GraphSnapshot before = GraphSnapshot::Of(graph);

    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.AddSection(MakeSection(2)); }, "Section with this number already exists");
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.GetSection(3); }, "Section does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.DeleteSection(3); }, "Section does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.UpdateSection(3, MakeSection(3)); }, "Section cannot be updated");
    ExpectThrowWithMessage<TarnDataModelException>([&] { graph.UpdateSection(3, MakeSection(1)); }, "Section cannot be updated");
    EXPECT_EQ(GraphSnapshot::Of(graph), before);
}

TEST(StoryGraphSections, CopyIsIndependentAndComplete)
{
    StoryGraph graph;
    AddSections(graph, {1, 2, 3});
    Link(graph, 1, 2);
    Link(graph, 1, 3);
    Link(graph, 3, 3);
    StoryGraph copy(graph);
    EXPECT_EQ(GraphSnapshot::Of(copy), GraphSnapshot::Of(graph));

    copy.DeleteChoice(copy.AllChoices().front().id);
    EXPECT_EQ(graph.AllChoices().size(), 3u);

    graph = StoryGraph();
    EXPECT_EQ(graph.SectionCount(), 0u);
    EXPECT_EQ(copy.SectionCount(), 3u);
}
