// SPDX-License-Identifier: MIT
#include "flowchart/FlowchartGraph.h"

#include "flowchart/RankChainRoute.h"

#include <boost/uuid/string_generator.hpp>
#include <boost/uuid/uuid_io.hpp>
#include <graphviz/gvc.h>
#include <graphviz/gvplugin.h>

#include <locale.h>

#include <optional>
#include <sstream>
#include <string>

extern "C" gvplugin_library_t gvplugin_dot_layout_LTX_library;

namespace Flowchart {

using TarnViewModel::NewId;
using TarnViewModel::Uuid;

namespace {

// The layout engine is linked in, so that no plugin configuration file is needed.
const lt_symlist_t BuiltInPlugins[] = {
    {"gvplugin_dot_layout_LTX_library", &gvplugin_dot_layout_LTX_library},
    {nullptr, nullptr},
};

// Graphviz reads numbers such as "1.11111" with the C library, so the layout runs in the
// "C" numeric locale whatever the process's locale is, without relying on the Graphviz
// build to switch it.
class CNumericLocale {
public:
    CNumericLocale() : locale_(newlocale(LC_NUMERIC_MASK, "C", nullptr)), previous_(uselocale(locale_)) {}
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;
    ~CNumericLocale()
    {
        uselocale(previous_);
        freelocale(locale_);
    }

private:
    locale_t locale_;
    locale_t previous_;
};

// Six significant digits, as a default-formatted stream writes them: 80 / 72 is 1.11111.
std::string DecimalText(double value)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << value;
    return stream.str();
}

void Set(void* object, const char* name, const std::string& value)
{
    agsafeset(object, const_cast<char*>(name), const_cast<char*>(value.c_str()), const_cast<char*>(value.c_str()));
}

// The first of the edge's splines, as Graphviz routed it, with the arrow's end point.
std::vector<pointf> SplineRoute(Agedge_t* edge)
{
    std::vector<pointf> points;
    const splines* spline = ED_spl(edge);
    if (spline == nullptr || spline->size == 0) {
        return points;
    }
    const bezier& piece = spline->list[0];
    points.reserve(static_cast<std::size_t>(piece.size) + 2);
    if (piece.sflag != 0) {
        points.push_back(piece.sp);
    }
    for (int index = 0; index < piece.size; ++index) {
        points.push_back(piece.list[index]);
    }
    if (piece.eflag != 0) {
        points.push_back(piece.ep);
    }
    return points;
}

}  // namespace

FlowchartGraph::FlowchartGraph()
    : context_(gvContextPlugins(BuiltInPlugins, 0)), graph_(agopen(const_cast<char*>("My Graph"), Agdirected, nullptr))
{
    agattr(graph_, AGNODE, const_cast<char*>("shape"), const_cast<char*>("box"));
    agattr(graph_, AGNODE, const_cast<char*>("fixedsize"), const_cast<char*>("true"));
}

FlowchartGraph::~FlowchartGraph()
{
    agclose(graph_);
    gvFreeContext(context_);
}

Agnode_t* FlowchartGraph::FindNode(std::uint32_t number) const
{
    const std::string name = boost::uuids::to_string(nodes_.at(number));
    return agnode(graph_, const_cast<char*>(name.c_str()), 0);
}

void FlowchartGraph::AddNode(std::uint32_t number, double width, double height)
{
    const Uuid id = NewId();
    const std::string name = boost::uuids::to_string(id);
    Agnode_t* node = agnode(graph_, const_cast<char*>(name.c_str()), 1);
    const std::string numberText = std::to_string(number);
    Set(node, "label", numberText);
    Set(node, "number", numberText);
    nodes_[number] = id;
    Set(node, "width", DecimalText(width / resolutionX_));
    Set(node, "height", DecimalText(height / resolutionY_));
}

void FlowchartGraph::AddEdge(const Uuid& choiceId, std::uint32_t fromNumber, std::uint32_t toNumber)
{
    const std::string name = boost::uuids::to_string(choiceId);
    Agedge_t* edge = agedge(graph_, FindNode(fromNumber), FindNode(toNumber), const_cast<char*>(name.c_str()), 1);
    Set(edge, "guid", name);
}

void FlowchartGraph::Layout(const NodeCallback& onNode, const EdgeCallback& onEdge, const SizeCallback& onSize)
{
    CNumericLocale locale;
    const bool large = static_cast<std::size_t>(agnnodes(graph_)) >= LargeGraphNodes;
    const bool fast = tuning_ == Tuning::Fast || (tuning_ == Tuning::BySize && large);
    if (fast) {
        // Ranking the graph as one skips a step of the older ranking that takes time in the
        // square of the edges. Graphviz 2.42's spline router then crashes or runs for
        // minutes on some of these graphs, so the routes follow the places "dot" kept for
        // each edge on the ranks it crosses.
        Set(graph_, "newrank", "true");
        Set(graph_, "splines", "none");
        Set(graph_, "nslimit", "0.01");
        Set(graph_, "mclimit", "0.3");
    }
    if (gvLayout(context_, graph_, "dot") != 0) {
        throw FlowchartLayoutException(BRINDLE_TEXT("FlowchartGraph", "The flowchart could not be laid out."));
    }
    const boxf box = GD_bb(graph_);
    onSize(static_cast<int>(box.UR.x * scaleX_), static_cast<int>(box.UR.y * scaleY_));
    const auto point = [&](const pointf& p) { return RoutePoint{p.x * scaleX_, (box.UR.y - p.y) * scaleY_}; };
    boost::uuids::string_generator parseId;
    const std::optional<RankChainRoutes> chains = fast ? std::optional<RankChainRoutes>(graph_) : std::nullopt;
    for (Agnode_t* node = agfstnode(graph_); node != nullptr; node = agnxtnode(graph_, node)) {
        NodePlacement placement;
        placement.width = ND_width(node) * resolutionX_;
        placement.height = ND_height(node) * resolutionY_;
        placement.left = ND_coord(node).x * scaleX_ - placement.width * 0.5;
        placement.top = (box.UR.y - ND_coord(node).y) * scaleY_ - placement.height * 0.5;
        placement.number = static_cast<std::uint32_t>(std::stoul(agget(node, const_cast<char*>("number"))));
        onNode(placement);
        for (Agedge_t* edge = agfstout(graph_, node); edge != nullptr; edge = agnxtout(graph_, edge)) {
            EdgeRoute route;
            route.choiceId = parseId(std::string(agget(edge, const_cast<char*>("guid"))));
            for (const pointf& place : chains ? chains->Route(edge) : SplineRoute(edge)) {
                route.points.push_back(point(place));
            }
            onEdge(route);
        }
    }
    gvFreeLayout(context_, graph_);
}

void FlowchartGraph::SetResolution(double x, double y)
{
    resolutionX_ = x;
    resolutionY_ = y;
    scaleX_ = x / 72.0;
    scaleY_ = y / 72.0;
}

std::string FlowchartGraph::NodeAttribute(std::uint32_t number, const char* name) const
{
    const char* value = agget(FindNode(number), const_cast<char*>(name));
    return value != nullptr ? value : "";
}

std::string FlowchartGraph::GraphAttribute(const char* name) const
{
    const char* value = agget(graph_, const_cast<char*>(name));
    return value != nullptr ? value : "";
}

}  // namespace Flowchart
