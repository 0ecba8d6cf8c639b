// SPDX-License-Identifier: MIT
#pragma once

#include "flowchart/FlowchartGraph.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Flowchart {

// The size of a section's box, from what its number and label take: never smaller than the
// smallest box, so that short labels keep the chart even.
std::pair<double, double> BoxSize(std::pair<double, double> measured);

// What a layout needs of the book, copied so that it can be laid out away from the book.
// Nodes and edges come in the order they were added, which "dot" takes into account.
struct FlowchartSnapshot {
    struct Node {
        std::uint32_t number = 0;
        double width = 0;
        double height = 0;
    };
    struct Edge {
        TarnViewModel::Uuid choiceId{};
        std::uint32_t from = 0;
        std::uint32_t to = 0;
    };

    std::vector<Node> nodes;
    std::vector<Edge> edges;
};

// A finished layout in device units, numbered as its snapshot was.
struct FlowchartLayout {
    int width = 0;
    int height = 0;
    std::vector<NodePlacement> nodes;
    std::vector<EdgeRoute> edges;
};

// A layout, or why there is none.
struct LayoutOutcome {
    std::optional<FlowchartLayout> layout;
    std::string error;
};

// Builds the snapshot's graph and lays it out with "dot". Graphviz keeps global state, so
// layouts anywhere in the process run one at a time. Throws FlowchartLayoutException.
FlowchartLayout LayOut(const FlowchartSnapshot& snapshot);
// The same, with a failure given as its message, for a caller on another thread.
LayoutOutcome AttemptLayout(const FlowchartSnapshot& snapshot);

}  // namespace Flowchart
