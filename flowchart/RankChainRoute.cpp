// SPDX-License-Identifier: MIT
#include "flowchart/RankChainRoute.h"

#include <graphviz/gvc.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace Flowchart {

namespace {

// Graphviz's own arrowhead length, in points.
constexpr double ArrowLength = 10.0;
// How far a loop stands out to the right of its box.
constexpr double LoopReach = 24.0;
// The part of a box's width over which the arrows meeting one side are spread.
constexpr double PortSpread = 0.8;
// "dot"'s mark of a node of the graph, as against one it made to route an edge; the
// installed headers leave it out.
constexpr int GraphNode = 0;

class RouteBuilder {
public:
    explicit RouteBuilder(pointf start) { points_.push_back(start); }

    // A curve that leaves and arrives vertically, as "dot" draws between ranks.
    void CurveTo(pointf to)
    {
        const pointf from = points_.back();
        const double middle = (from.y + to.y) / 2;
        Add({from.x, middle}, {to.x, middle}, to);
    }

    void LineTo(pointf to)
    {
        const pointf from = points_.back();
        Add({from.x + (to.x - from.x) / 3, from.y + (to.y - from.y) / 3},
            {from.x + (to.x - from.x) * 2 / 3, from.y + (to.y - from.y) * 2 / 3}, to);
    }

    void Add(pointf first, pointf second, pointf to)
    {
        points_.push_back(first);
        points_.push_back(second);
        points_.push_back(to);
    }

    // The last point added is the arrow's base; the tip follows it.
    std::vector<pointf> ArrowTo(pointf tip)
    {
        points_.push_back(tip);
        return std::move(points_);
    }

private:
    std::vector<pointf> points_;
};

double HalfHeight(Agnode_t* node)
{
    return ND_ht(node) / 2;
}

std::vector<pointf> LoopRoute(Agnode_t* node)
{
    const pointf centre = ND_coord(node);
    const double right = centre.x + ND_rw(node);
    const double quarter = HalfHeight(node) / 2;
    RouteBuilder route({right, centre.y + quarter});
    route.Add({right + LoopReach, centre.y + quarter * 3}, {right + LoopReach, centre.y - quarter * 3},
              {right + ArrowLength, centre.y - quarter});
    return route.ArrowTo({right, centre.y - quarter});
}

// Two boxes on one rank: an arc over the rank from top to top.
std::vector<pointf> FlatRoute(Agnode_t* tail, Agnode_t* head)
{
    const pointf from = ND_coord(tail);
    const pointf to = ND_coord(head);
    const double top = std::max(from.y + HalfHeight(tail), to.y + HalfHeight(head));
    const double rise = std::clamp(std::abs(to.x - from.x) / 4, 12.0, 36.0);
    RouteBuilder route({from.x, from.y + HalfHeight(tail)});
    route.Add({from.x, top + rise}, {to.x, top + rise}, {to.x, to.y + HalfHeight(head) + ArrowLength});
    return route.ArrowTo({to.x, to.y + HalfHeight(head)});
}

// "dot" moves the graph's own nodes, not the places it made for edges, when it shifts the
// drawing to start at the origin. The shift is found again from neighbours on a rank:
// "dot" keeps them at least their half widths and the node separation apart, and exactly
// that far where they press on each other.
double PlaceShift(Agraph_t* graph)
{
    double atLeast = -HUGE_VAL;
    double atMost = HUGE_VAL;
    for (int number = GD_minrank(graph); number <= GD_maxrank(graph); ++number) {
        const rank_t& rank = GD_rank(graph)[number];
        for (int index = 1; index < rank.n; ++index) {
            Agnode_t* left = rank.v[index - 1];
            Agnode_t* right = rank.v[index];
            const bool leftReal = ND_node_type(left) == GraphNode;
            if (leftReal == (ND_node_type(right) == GraphNode)) {
                continue;
            }
            const double gap = ND_rw(left) + ND_lw(right) + GD_nodesep(graph);
            if (leftReal) {
                atLeast = std::max(atLeast, ND_coord(left).x + gap - ND_coord(right).x);
            } else {
                atMost = std::min(atMost, ND_coord(right).x - gap - ND_coord(left).x);
            }
        }
    }
    if (atLeast == -HUGE_VAL) {
        return atMost == HUGE_VAL ? 0.0 : atMost;
    }
    return atMost == HUGE_VAL ? atLeast : (atLeast + atMost) / 2;
}

// Where the edge crosses each rank between its ends, from the end on the higher rank down:
// the top and the bottom of the rank at the place "dot" kept for the edge there. "dot" keeps
// one chain of such places per pair of ends, whichever way the edges run.
std::vector<pointf> ChainPlaces(Agraph_t* graph, double shift, Agedge_t* edge, Agnode_t* upper, Agnode_t* lower)
{
    std::vector<pointf> places;
    Agedge_t* link = ED_to_virt(edge);
    const int lastRank = ND_rank(lower);
    while (link != nullptr && aghead(link) != lower && ND_rank(aghead(link)) < lastRank) {
        Agnode_t* place = aghead(link);
        const rank_t& rank = GD_rank(graph)[ND_rank(place)];
        const double x = ND_coord(place).x + shift;
        places.push_back({x, ND_coord(place).y + rank.ht2});
        places.push_back({x, ND_coord(place).y - rank.ht1});
        link = ND_out(place).size > 0 ? ND_out(place).list[0] : nullptr;
    }
    if (link == nullptr || aghead(link) != lower || agtail(ED_to_virt(edge)) != upper) {
        places.clear();
    }
    return places;
}

bool RunsBetweenRanks(Agedge_t* edge)
{
    return ND_rank(agtail(edge)) != ND_rank(aghead(edge));
}

}  // namespace

RankChainRoutes::Trace RankChainRoutes::TraceEdge(Agraph_t* graph, double shift, Agedge_t* edge)
{
    Agnode_t* tail = agtail(edge);
    Agnode_t* head = aghead(edge);
    Trace trace;
    trace.down = ND_rank(tail) < ND_rank(head);
    trace.places = ChainPlaces(graph, shift, edge, trace.down ? tail : head, trace.down ? head : tail);
    if (!trace.down) {
        std::reverse(trace.places.begin(), trace.places.end());
    }
    // Graphviz's y axis points up: a box's bottom is below its centre.
    const double away = trace.down ? -1.0 : 1.0;
    trace.start = {ND_coord(tail).x, ND_coord(tail).y + away * HalfHeight(tail)};
    trace.tip = {ND_coord(head).x, ND_coord(head).y - away * HalfHeight(head)};
    return trace;
}

RankChainRoutes::RankChainRoutes(Agraph_t* graph)
{
    const double shift = PlaceShift(graph);
    // One side of one box, and the x towards which each arrow meeting it leaves.
    using Side = std::pair<Agnode_t*, bool>;
    std::map<Side, std::vector<std::pair<double, pointf*>>> sides;
    for (Agnode_t* node = agfstnode(graph); node != nullptr; node = agnxtnode(graph, node)) {
        for (Agedge_t* edge = agfstout(graph, node); edge != nullptr; edge = agnxtout(graph, edge)) {
            if (!RunsBetweenRanks(edge)) {
                continue;
            }
            Trace& trace = traces_[edge] = TraceEdge(graph, shift, edge);
            const double towardsHead = trace.places.empty() ? ND_coord(aghead(edge)).x : trace.places.front().x;
            const double towardsTail = trace.places.empty() ? ND_coord(agtail(edge)).x : trace.places.back().x;
            sides[{agtail(edge), trace.down}].emplace_back(towardsHead, &trace.start);
            sides[{aghead(edge), !trace.down}].emplace_back(towardsTail, &trace.tip);
        }
    }
    for (auto& [side, ends] : sides) {
        std::stable_sort(ends.begin(), ends.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        const double width = (ND_lw(side.first) + ND_rw(side.first)) * PortSpread;
        const double left = ND_coord(side.first).x - width / 2;
        const double count = static_cast<double>(ends.size());
        for (std::size_t index = 0; index < ends.size(); ++index) {
            ends[index].second->x = left + width * (static_cast<double>(index) + 1) / (count + 1);
        }
    }
}

std::vector<pointf> RankChainRoutes::Route(Agedge_t* edge) const
{
    if (agtail(edge) == aghead(edge)) {
        return LoopRoute(agtail(edge));
    }
    const auto found = traces_.find(edge);
    if (found == traces_.end()) {
        return FlatRoute(agtail(edge), aghead(edge));
    }
    const Trace& trace = found->second;
    RouteBuilder route(trace.start);
    // The arrow turns only between ranks, where no box stands, and runs straight across them.
    for (std::size_t index = 0; index + 1 < trace.places.size(); index += 2) {
        route.CurveTo(trace.places[index]);
        route.LineTo(trace.places[index + 1]);
    }
    const double away = trace.down ? -1.0 : 1.0;
    route.CurveTo({trace.tip.x, trace.tip.y - away * ArrowLength});
    return route.ArrowTo(trace.tip);
}

}  // namespace Flowchart
