// SPDX-License-Identifier: MIT
#include "flowchart/FlowchartSnapshot.h"

#include <algorithm>
#include <mutex>

namespace Flowchart {

namespace {

constexpr double SmallestBoxWidth = 80.0;
constexpr double SmallestBoxHeight = 50.0;

// Never destroyed: a layout may still run on its thread while the program exits.
std::mutex& GraphvizMutex()
{
    static std::mutex* const mutex = new std::mutex;
    return *mutex;
}

}  // namespace

std::pair<double, double> BoxSize(std::pair<double, double> measured)
{
    return {std::max(measured.first, SmallestBoxWidth), std::max(measured.second, SmallestBoxHeight)};
}

FlowchartLayout LayOut(const FlowchartSnapshot& snapshot)
{
    const std::lock_guard<std::mutex> onlyLayout(GraphvizMutex());
    FlowchartGraph graph;
    for (const FlowchartSnapshot::Node& node : snapshot.nodes) {
        graph.AddNode(node.number, node.width, node.height);
    }
    for (const FlowchartSnapshot::Edge& edge : snapshot.edges) {
        graph.AddEdge(edge.choiceId, edge.from, edge.to);
    }
    FlowchartLayout layout;
    layout.nodes.reserve(snapshot.nodes.size());
    layout.edges.reserve(snapshot.edges.size());
    graph.Layout([&](const NodePlacement& node) { layout.nodes.push_back(node); },
                 [&](const EdgeRoute& edge) { layout.edges.push_back(edge); },
                 [&](int width, int height) {
                     layout.width = width;
                     layout.height = height;
                 });
    return layout;
}

LayoutOutcome AttemptLayout(const FlowchartSnapshot& snapshot)
{
    LayoutOutcome outcome;
    // The layout thread is the last place its failure can be caught; it travels to the
    // user-interface thread as text.
    try {
        outcome.layout = LayOut(snapshot);
    } catch (const std::exception& error) {
        outcome.error = error.what();
    }
    return outcome;
}

}  // namespace Flowchart
