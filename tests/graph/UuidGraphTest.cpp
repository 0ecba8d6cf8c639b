// SPDX-License-Identifier: MIT
#include "graph/UuidGraph.h"

#include <gtest/gtest.h>

#include <vector>

using GraphCore::UuidGraph;
using TarnViewModel::NewId;
using TarnViewModel::Uuid;

namespace {

std::vector<Uuid> OutEdges(const UuidGraph& graph, const Uuid& vertex)
{
    std::vector<Uuid> ids;
    graph.ForEachOutEdge(vertex, [&ids](const Uuid& id) { ids.push_back(id); });
    return ids;
}

std::vector<Uuid> InEdges(const UuidGraph& graph, const Uuid& vertex)
{
    std::vector<Uuid> ids;
    graph.ForEachInEdge(vertex, [&ids](const Uuid& id) { ids.push_back(id); });
    return ids;
}

std::vector<Uuid> IncidentEdges(const UuidGraph& graph, const Uuid& vertex)
{
    std::vector<Uuid> ids;
    graph.ForEachIncidentEdge(vertex, [&ids](const Uuid& id) { ids.push_back(id); });
    return ids;
}

class UuidGraphTest : public ::testing::Test {
protected:
    UuidGraphTest()
    {
        graph.AddVertex(a);
        graph.AddVertex(b);
    }

    UuidGraph graph;
    Uuid a = NewId();
    Uuid b = NewId();
};

}  // namespace

TEST_F(UuidGraphTest, ParallelEdgesAndLoopsKeepInsertionOrder)
{
    Uuid first = NewId(), second = NewId(), loop = NewId(), back = NewId();
    graph.AddEdge(a, first, b);
    graph.AddEdge(a, second, b);
    graph.AddEdge(a, loop, a);
    graph.AddEdge(b, back, a);

    EXPECT_EQ(OutEdges(graph, a), (std::vector<Uuid>{first, second, loop}));
    EXPECT_EQ(InEdges(graph, b), (std::vector<Uuid>{first, second}));
    EXPECT_EQ(InEdges(graph, a), (std::vector<Uuid>{loop, back}));

    std::vector<Uuid> incident = IncidentEdges(graph, a);
    EXPECT_EQ(incident.size(), 4u) << "a self-loop is listed once";
    EXPECT_TRUE(std::is_sorted(incident.begin(), incident.end()));
}

TEST_F(UuidGraphTest, RemovingOneOfTwoParallelEdgesKeepsTheOther)
{
    Uuid first = NewId(), second = NewId();
    graph.AddEdge(a, first, b);
    graph.AddEdge(a, second, b);
    graph.RemoveEdge(first);
    EXPECT_EQ(OutEdges(graph, a), std::vector<Uuid>{second});
    EXPECT_EQ(InEdges(graph, b), std::vector<Uuid>{second});
    EXPECT_THROW(graph.RemoveEdge(first), GraphCore::InvalidChoiceException);
}

TEST_F(UuidGraphTest, RemovingAVertexForgetsItsEdges)
{
    Uuid out = NewId(), in = NewId();
    graph.AddEdge(a, out, b);
    graph.AddEdge(b, in, a);
    graph.RemoveVertex(a);
    EXPECT_TRUE(OutEdges(graph, b).empty());
    EXPECT_TRUE(InEdges(graph, b).empty());
    EXPECT_THROW(graph.RemoveEdge(out), GraphCore::InvalidChoiceException);
    EXPECT_THROW(graph.RemoveEdge(in), GraphCore::InvalidChoiceException);
    EXPECT_THROW(graph.RemoveVertex(a), GraphCore::InvalidSectionException);
}

TEST_F(UuidGraphTest, UnknownIdsThrowTheGraphExceptions)
{
    Uuid unknown = NewId();
    EXPECT_THROW(graph.AddEdge(a, NewId(), unknown), GraphCore::InvalidSectionException);
    EXPECT_THROW(graph.AddEdge(unknown, NewId(), a), GraphCore::InvalidSectionException);
    EXPECT_THROW(graph.ForEachOutEdge(unknown, [](const Uuid&) {}), GraphCore::InvalidSectionException);
    EXPECT_THROW(graph.ForEachInEdge(unknown, [](const Uuid&) {}), GraphCore::InvalidSectionException);
    EXPECT_THROW(graph.ForEachIncidentEdge(unknown, [](const Uuid&) {}), GraphCore::InvalidSectionException);
    EXPECT_TRUE(OutEdges(graph, a).empty()) << "a refused edge leaves nothing behind";

    try {
        graph.RemoveVertex(unknown);
        FAIL();
    } catch (const GraphCore::GraphCoreException& error) {
        EXPECT_STREQ(error.what(), "Section not found");
    }
    EXPECT_STREQ(GraphCore::InvalidChoiceException().what(), "Choice not found");
    EXPECT_STREQ(GraphCore::AddChoiceException().what(), "Could not add choice");
}

TEST_F(UuidGraphTest, EmptyCallbackIsABadFunctionCall)
{
    graph.AddEdge(a, NewId(), b);
    EXPECT_THROW(graph.ForEachOutEdge(a, GraphCore::IdCallback()), std::bad_function_call);
}

TEST_F(UuidGraphTest, CopiesAndMovesKeepEdgeOrder)
{
    std::vector<Uuid> ids;
    for (int i = 0; i < 5; ++i) {
        ids.push_back(NewId());
        graph.AddEdge(i % 2 ? a : b, ids.back(), i % 2 ? b : a);
    }
    UuidGraph copy(graph);
    EXPECT_EQ(OutEdges(copy, a), OutEdges(graph, a));
    EXPECT_EQ(InEdges(copy, a), InEdges(graph, a));
    EXPECT_EQ(OutEdges(copy, b), OutEdges(graph, b));

    copy.RemoveEdge(ids[1]);
    EXPECT_EQ(OutEdges(graph, a).size(), 2u) << "the copy is independent";

    UuidGraph moved(std::move(copy));
    EXPECT_EQ(OutEdges(moved, a), std::vector<Uuid>{ids[3]});
    moved.RemoveVertex(b);
    EXPECT_TRUE(OutEdges(moved, a).empty());
}
