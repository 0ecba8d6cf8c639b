// SPDX-License-Identifier: MIT
#pragma once

#include <graphviz/geom.h>

#include <unordered_map>
#include <vector>

struct Agedge_s;
struct Agraph_s;

namespace Flowchart {

// The routes of the edges of a graph that "dot" ranked and placed without routing splines:
// chains of cubic curves through the places "dot" kept for each edge on every rank it
// crosses, then the arrow's end point, in Graphviz's own coordinates. Graphviz 2.42's spline
// router crashes or runs for minutes on some large graphs; the places it was given are
// sound. The arrows that meet one side of a box spread across it in the order they come.
class RankChainRoutes {
public:
    explicit RankChainRoutes(Agraph_s* graph);

    std::vector<pointf> Route(Agedge_s* edge) const;

private:
    // An edge between ranks: its ends on the boxes' borders and the places between.
    struct Trace {
        pointf start{};
        std::vector<pointf> places;
        pointf tip{};
        bool down = true;
    };

    static Trace TraceEdge(Agraph_s* graph, double shift, Agedge_s* edge);

    std::unordered_map<Agedge_s*, Trace> traces_;
};

}  // namespace Flowchart
