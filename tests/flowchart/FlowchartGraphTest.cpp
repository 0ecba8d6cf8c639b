// SPDX-License-Identifier: MIT
#include "flowchart/FlowchartGraph.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <map>
#include <string>

namespace {

using namespace TarnViewModel;

struct LayoutResult {
    std::map<std::uint32_t, Flowchart::NodePlacement> nodes;
    std::vector<Flowchart::EdgeRoute> edges;
    int width = 0;
    int height = 0;

    const Flowchart::EdgeRoute* Edge(const Uuid& id) const
    {
        for (const Flowchart::EdgeRoute& route : edges) {
            if (route.choiceId == id) {
                return &route;
            }
        }
        return nullptr;
    }
};

LayoutResult RunLayout(Flowchart::FlowchartGraph& graph)
{
    LayoutResult result;
    graph.Layout([&](const Flowchart::NodePlacement& node) { result.nodes[node.number] = node; },
                 [&](const Flowchart::EdgeRoute& edge) { result.edges.push_back(edge); },
                 [&](int width, int height) {
                     result.width = width;
                     result.height = height;
                 });
    return result;
}

TEST(FlowchartGraph, ParallelEdgesAndLoopsAreEachReportedOnceWithTheirRoute)
{
    Flowchart::FlowchartGraph graph;
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
        const Flowchart::EdgeRoute* route = result.Edge(id);
        ASSERT_NE(route, nullptr);
        // A cubic Bézier chain of 1 + 3k points and the arrow's end point.
        EXPECT_GE(route->points.size(), 5u);
        EXPECT_EQ((route->points.size() - 2) % 3, 0u);
    }
    EXPECT_NE(result.Edge(first)->points, result.Edge(second)->points);
    ASSERT_EQ(result.nodes.size(), 2u);
    const Flowchart::NodePlacement& top = result.nodes.at(1);
    const Flowchart::NodePlacement& bottom = result.nodes.at(2);
    EXPECT_NEAR(top.width, 80, 0.01);
    EXPECT_NEAR(top.height, 40, 0.01);
    // Graphviz's y axis points up; the view's points down, so the source sits above.
    EXPECT_LT(top.top, bottom.top);
    EXPECT_GE(result.width, 80);
    EXPECT_GE(result.height, 80);
}

TEST(FlowchartGraph, SizesAreInchesAtTheResolutionAndPlacementsInDeviceUnits)
{
    Flowchart::FlowchartGraph graph;
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
void AddChain(Flowchart::FlowchartGraph& graph, std::uint32_t count)
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
    Flowchart::FlowchartGraph small;
    AddChain(small, Flowchart::FlowchartGraph::LargeGraphNodes - 1);
    RunLayout(small);
    EXPECT_EQ(small.GraphAttribute("nslimit"), "");
    EXPECT_EQ(small.GraphAttribute("newrank"), "");
    EXPECT_EQ(small.GraphAttribute("mclimit"), "");
    EXPECT_EQ(small.GraphAttribute("splines"), "");

    Flowchart::FlowchartGraph large;
    AddChain(large, Flowchart::FlowchartGraph::LargeGraphNodes);
    const LayoutResult result = RunLayout(large);
    EXPECT_EQ(large.GraphAttribute("nslimit"), "0.01");
    EXPECT_EQ(large.GraphAttribute("newrank"), "true");
    EXPECT_EQ(large.GraphAttribute("mclimit"), "0.3");
    EXPECT_EQ(large.GraphAttribute("splines"), "none");
    EXPECT_EQ(result.nodes.size(), Flowchart::FlowchartGraph::LargeGraphNodes);
    EXPECT_EQ(result.edges.size(), Flowchart::FlowchartGraph::LargeGraphNodes - 1);
}

bool Inside(const Flowchart::NodePlacement& box, const Flowchart::RoutePoint& point)
{
    constexpr double Margin = 1.0;
    return point.x > box.left + Margin && point.x < box.left + box.width - Margin && point.y > box.top + Margin &&
           point.y < box.top + box.height - Margin;
}

bool OnBorder(const Flowchart::NodePlacement& box, const Flowchart::RoutePoint& point)
{
    constexpr double Near = 0.5;
    const bool acrossBox = point.x >= box.left - Near && point.x <= box.left + box.width + Near;
    return acrossBox && (std::abs(point.y - box.top) < Near || std::abs(point.y - box.top - box.height) < Near);
}

TEST(FlowchartGraph, ALargeGraphsArrowsRunFromBoxToBoxAroundEveryOtherBox)
{
    Flowchart::FlowchartGraph graph;
    constexpr std::uint32_t Count = Flowchart::FlowchartGraph::LargeGraphNodes + 20;
    struct Link {
        Uuid id;
        std::uint32_t from;
        std::uint32_t to;
    };
    std::vector<Link> links;
    for (std::uint32_t number = 1; number <= Count; ++number) {
        graph.AddNode(number, 90 + (number % 5) * 20, 40 + (number % 3) * 10);
    }
    const auto link = [&](std::uint32_t from, std::uint32_t to) {
        links.push_back({NewId(), from, to});
        graph.AddEdge(links.back().id, from, to);
    };
    for (std::uint32_t number = 1; number <= Count; ++number) {
        if (number + 1 <= Count) {
            link(number, number + 1);
        }
        if (number % 3 == 0 && number + 7 <= Count) {
            link(number, number + 7);
        }
        if (number % 10 == 0) {
            link(number, number - 6);
        }
    }
    link(1, Count);
    link(Count, 2);
    link(5, 5);

    const LayoutResult result = RunLayout(graph);
    ASSERT_EQ(result.edges.size(), links.size());
    for (const Link& expected : links) {
        SCOPED_TRACE(std::to_string(expected.from) + " to " + std::to_string(expected.to));
        const Flowchart::EdgeRoute* route = result.Edge(expected.id);
        ASSERT_NE(route, nullptr);
        const std::vector<Flowchart::RoutePoint>& points = route->points;
        ASSERT_GE(points.size(), 5u);
        EXPECT_EQ((points.size() - 2) % 3, 0u);
        const Flowchart::NodePlacement& from = result.nodes.at(expected.from);
        const Flowchart::NodePlacement& to = result.nodes.at(expected.to);
        if (expected.from == expected.to) {
            continue;
        }
        EXPECT_TRUE(OnBorder(from, points.front()));
        EXPECT_TRUE(OnBorder(to, points.back()));
        for (const Flowchart::RoutePoint& point : points) {
            for (const auto& [number, box] : result.nodes) {
                EXPECT_FALSE(Inside(box, point)) << "a point of the arrow lies inside box " << number;
            }
        }
    }
}

TEST(FlowchartGraph, ALocaleWithADecimalCommaDoesNotChangeTheLayout)
{
    Flowchart::FlowchartGraph graph;
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
