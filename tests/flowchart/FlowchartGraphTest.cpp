#include "flowchart/FlowchartGraph.h"

#include <gtest/gtest.h>

#include <clocale>
#include <map>

namespace {

using namespace TarnViewModel;

struct LayoutResult {
    std::map<std::uint32_t, NodePlacement> nodes;
    std::vector<EdgeRoute> edges;
    int width = 0;
    int height = 0;

    const EdgeRoute* Edge(const Uuid& id) const
    {
        for (const EdgeRoute& route : edges) {
            if (route.choiceId == id) {
                return &route;
            }
        }
        return nullptr;
    }
};

LayoutResult RunLayout(FlowchartGraph& graph)
{
    LayoutResult result;
    graph.Layout([&](const NodePlacement& node) { result.nodes[node.number] = node; },
                 [&](const EdgeRoute& edge) { result.edges.push_back(edge); },
                 [&](int width, int height) {
                     result.width = width;
                     result.height = height;
                 });
    return result;
}

TEST(FlowchartGraph, ParallelEdgesAndLoopsAreEachReportedOnceWithTheirRoute)
{
    FlowchartGraph graph;
    graph.AddNode(1, 80, 40);
    graph.AddNode(2, 80, 40);
    const Uuid first = NewId();
    const Uuid second = NewId();
    const Uuid loop = NewId();
    graph.AddEdge(first, 1, 2);
    graph.AddEdge(second, 1, 2);
    graph.AddEdge(loop, 2, 2);

    const LayoutResult result = RunLayout(graph);
    ASSERT_EQ(result.edges.size(), 3u);
    for (const Uuid& id : {first, second, loop}) {
        const EdgeRoute* route = result.Edge(id);
        ASSERT_NE(route, nullptr);
        // A cubic Bézier chain of 1 + 3k points and the arrow's end point.
        EXPECT_GE(route->points.size(), 5u);
        EXPECT_EQ((route->points.size() - 2) % 3, 0u);
    }
    EXPECT_NE(result.Edge(first)->points, result.Edge(second)->points);
    ASSERT_EQ(result.nodes.size(), 2u);
    const NodePlacement& top = result.nodes.at(1);
    const NodePlacement& bottom = result.nodes.at(2);
    EXPECT_NEAR(top.width, 80, 0.01);
    EXPECT_NEAR(top.height, 40, 0.01);
    // Graphviz's y axis points up; the view's points down, so the source sits above.
    EXPECT_LT(top.top, bottom.top);
    EXPECT_GE(result.width, 80);
    EXPECT_GE(result.height, 80);
}

TEST(FlowchartGraph, SizesAreInchesAtTheResolutionAndPlacementsInDeviceUnits)
{
    FlowchartGraph graph;
    graph.AddNode(1, 80, 40);
    EXPECT_EQ(graph.NodeAttribute(1, "width"), "1.11111");
    graph.SetResolution(96, 96);
    graph.AddNode(2, 80, 40);
    EXPECT_EQ(graph.NodeAttribute(2, "width"), "0.833333");
    EXPECT_EQ(graph.NodeAttribute(2, "height"), "0.416667");
    const LayoutResult result = RunLayout(graph);
    EXPECT_NEAR(result.nodes.at(2).width, 80, 0.01);
}

// A chain of boxes, each reached from the one before.
void AddChain(FlowchartGraph& graph, std::uint32_t count)
{
    for (std::uint32_t number = 1; number <= count; ++number) {
        graph.AddNode(number, 80, 50);
        if (number > 1) {
            graph.AddEdge(NewId(), number - 1, number);
        }
    }
}

TEST(FlowchartGraph, OnlyLargeGraphsAreLaidOutWithTheFasterAttributes)
{
    FlowchartGraph small;
    AddChain(small, FlowchartGraph::LargeGraphNodes - 1);
    RunLayout(small);
    EXPECT_EQ(small.GraphAttribute("nslimit"), "");
    EXPECT_EQ(small.GraphAttribute("newrank"), "");
    EXPECT_EQ(small.GraphAttribute("mclimit"), "");

    FlowchartGraph large;
    AddChain(large, FlowchartGraph::LargeGraphNodes);
    const LayoutResult result = RunLayout(large);
    EXPECT_EQ(large.GraphAttribute("nslimit"), "0.01");
    EXPECT_EQ(large.GraphAttribute("newrank"), "");
    EXPECT_EQ(large.GraphAttribute("mclimit"), "0.3");
    EXPECT_EQ(result.nodes.size(), FlowchartGraph::LargeGraphNodes);
    EXPECT_EQ(result.edges.size(), FlowchartGraph::LargeGraphNodes - 1);
}

TEST(FlowchartGraph, ALocaleWithADecimalCommaDoesNotChangeTheLayout)
{
    FlowchartGraph graph;
    graph.AddNode(1, 80, 40);
    const double expected = RunLayout(graph).nodes.at(1).width;
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr && std::setlocale(LC_NUMERIC, "de_DE") == nullptr) {
        GTEST_SKIP() << "no German locale on this machine";
    }
    graph.AddNode(2, 80, 40);
    const LayoutResult result = RunLayout(graph);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(graph.NodeAttribute(2, "width"), "1.11111");
    EXPECT_NEAR(result.nodes.at(2).width, expected, 1e-9);
}

}  // namespace
