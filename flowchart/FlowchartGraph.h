// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Uuid.h"
#include "messages/MessageError.h"

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

struct Agraph_s;
struct Agnode_s;
struct GVC_s;

namespace Flowchart {

struct NodePlacement {
    std::uint32_t number = 0;
    double width = 0;
    double height = 0;
    double left = 0;
    double top = 0;
};

struct RoutePoint {
    double x = 0;
    double y = 0;
    bool operator==(const RoutePoint&) const = default;
};

struct EdgeRoute {
    std::vector<RoutePoint> points;
    TarnViewModel::Uuid choiceId{};
};

// A layout that Graphviz could not make.
class FlowchartLayoutException : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

// A Graphviz graph of the book: a node per section, an edge per choice. Layout runs "dot"
// over the whole graph and reports sizes and positions in device units. Large graphs are
// laid out with attributes that take much less time, and routed by RankChainRoutes.
class FlowchartGraph {
public:
    using NodeCallback = std::function<void(const NodePlacement&)>;
    using EdgeCallback = std::function<void(const EdgeRoute&)>;
    using SizeCallback = std::function<void(int width, int height)>;

    FlowchartGraph();
    FlowchartGraph(const FlowchartGraph&) = delete;
    FlowchartGraph& operator=(const FlowchartGraph&) = delete;
    ~FlowchartGraph();

    // From this many nodes on, "dot" ranks the graph as one, stops its network simplex early
    // and gives up sooner on reducing crossings; smaller graphs keep Graphviz's defaults.
    static constexpr std::size_t LargeGraphNodes = 300;
    enum class Tuning { BySize, Defaults, Fast };

    void AddNode(std::uint32_t number, double width, double height);
    void AddEdge(const TarnViewModel::Uuid& choiceId, std::uint32_t fromNumber, std::uint32_t toNumber);
    // Throws FlowchartLayoutException when "dot" fails; an edge without a route is reported
    // with no points.
    void Layout(const NodeCallback& onNode, const EdgeCallback& onEdge, const SizeCallback& onSize);
    void SetResolution(double x, double y);
    // Overrides the choice by size, to measure one against the other.
    void SetTuning(Tuning tuning) { tuning_ = tuning; }

    // The text of a node attribute, for the tests of what Graphviz is given.
    std::string NodeAttribute(std::uint32_t number, const char* name) const;
    std::string GraphAttribute(const char* name) const;

private:
    Agnode_s* FindNode(std::uint32_t number) const;

    GVC_s* context_;
    Agraph_s* graph_ = nullptr;
    double resolutionX_ = 72.0;
    double resolutionY_ = 72.0;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    std::map<std::uint32_t, TarnViewModel::Uuid> nodes_;
    Tuning tuning_ = Tuning::BySize;
};

}  // namespace Flowchart
