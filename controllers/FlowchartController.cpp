// SPDX-License-Identifier: MIT
#include "controllers/FlowchartController.h"

#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "graph/SectionLabel.h"

#include <algorithm>
#include <cmath>

namespace TarnViewModel {

namespace {

// The space between provisional boxes, and the boxes to a row while a loaded book waits for
// its first layout.
constexpr double ProvisionalGap = 20.0;
constexpr std::size_t ProvisionalRow = 10;
// How many places to the right a provisional box looks at before it settles on one covered.
constexpr int ProvisionalTries = 20;
constexpr double ArrowheadLength = 10.0;

}  // namespace

FlowchartController::FlowchartController(TarnDataModel& model, SectionSelection& selection, IFlowchartView* view,
                                         std::unique_ptr<Flowchart::LayoutRunner> runner)
    : model_(model), selection_(selection), view_(view), runner_(std::move(runner))
{
    connections_.emplace_back(model_.ConnectBookReset([this] { OnBookReset(); }));
    connections_.emplace_back(model_.ConnectBookLoaded(
        [this](const std::vector<Section>& sections, const std::vector<Choice>& choices) { OnBookLoaded(sections, choices); }));
    connections_.emplace_back(model_.ConnectSectionAdded([this](const Section& section) { OnSectionAdded(section); }));
    connections_.emplace_back(selection_.ConnectSectionSelected([this](const Section& section) {
        view_->ClearSelection();
        view_->SelectSectionNode(section.number);
    }));
    connections_.emplace_back(model_.ConnectSectionDeleted([this](const Section& section) { OnSectionDeleted(section); }));
    connections_.emplace_back(model_.ConnectChoiceAdded([this](const Choice& choice) { OnChoiceAdded(choice); }));
    // Every removal lays the chart out again, whatever took the choice away.
    connections_.emplace_back(model_.ConnectChoiceDeleted([this](const Choice& choice, ChoiceDeleteCause) { OnChoiceDeleted(choice); }));
    connections_.emplace_back(model_.ConnectChoiceUpdated(
        [this](const Choice& from, const Choice& to, ChoiceProperty, ChoiceUpdateReason reason) { OnChoiceUpdated(from, to, reason); }));
    connections_.emplace_back(selection_.ConnectSectionDeselected([this](std::uint32_t) { view_->ClearSelection(); }));
    connections_.emplace_back(
        model_.ConnectSectionUpdated([this](std::uint32_t oldNumber, const Section& section, SectionProperty property) {
            OnSectionUpdated(oldNumber, section, property);
        }));
    connections_.emplace_back(
        model_.ConnectSectionsSwapped([this](const Section& a, const Section& b) { OnSectionsSwapped(a.number, b.number); }));
    connections_.emplace_back(model_.ConnectSectionsRenumbered([this](const NumberChanges& changes) { OnSectionsRenumbered(changes); }));
    connections_.emplace_back(model_.ConnectFooterChanged([this](const std::wstring& footer) { view_->SetFooterText(footer); }));
    connections_.emplace_back(model_.ConnectBulkChangeBegins([this] {
        ++bulkDepth_;
        view_->BeginUpdate();
    }));
    // A multi-step change is laid out once, when it ends.
    connections_.emplace_back(model_.ConnectBulkChangeEnds([this] {
        bulkDepth_ -= bulkDepth_ > 0 ? 1 : 0;
        if (bulkDepth_ == 0 && layoutPending_) {
            Relayout();
        }
        view_->EndUpdate();
    }));
}

void FlowchartController::SetZoomPercent(unsigned percent)
{
    zoom_ = std::clamp(percent, LowestZoom, HighestZoom);
    UpdateZoom();
}

void FlowchartController::ZoomIn()
{
    const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
    zoom_ = next == ZoomSteps.end() ? HighestZoom : *next;
    UpdateZoom();
}

void FlowchartController::ZoomOut()
{
    const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
    zoom_ = next == ZoomSteps.begin() ? LowestZoom : *std::prev(next);
    UpdateZoom();
}

bool FlowchartController::FitWholeChart(int windowWidth, int windowHeight)
{
    return Fit(std::min(FittingZoom(graphWidth_, windowWidth), FittingZoom(graphHeight_, windowHeight)));
}

bool FlowchartController::FitWidth(int windowWidth)
{
    return Fit(FittingZoom(graphWidth_, windowWidth));
}

double FlowchartController::FittingZoom(int graphLength, int windowLength)
{
    // The chart has a margin of 10 units on each side.
    const double chart = std::max(graphLength, 0) + 20.0;
    return std::floor(100.0 * std::max(windowLength, 0) / chart);
}

bool FlowchartController::Fit(double fitting)
{
    // A fit never zooms in beyond the chart's own size.
    zoom_ = static_cast<unsigned>(std::clamp(fitting, double{LowestZoom}, double{FullSize}));
    UpdateZoom();
    return fitting >= LowestZoom;
}

std::wstring FlowchartController::ZoomText() const
{
    return std::to_wstring(zoom_) + L"%";
}

void FlowchartController::UpdateZoom()
{
    view_->EnableZoomIn(zoom_ < HighestZoom);
    view_->EnableZoomOut(zoom_ > LowestZoom);
    view_->SetZoom(zoom_ / 100.0, ZoomText());
}

void FlowchartController::ClearBook()
{
    nodes_.clear();
    keys_.clear();
    edges_.clear();
    edgeSequence_.clear();
    boxes_.clear();
    graphWidth_ = 0;
    graphHeight_ = 0;
    ++generation_;
    view_->ClearAll();
}

void FlowchartController::OnBookReset()
{
    layoutPending_ = false;
    wanted_ = false;
    ClearBook();
    zoom_ = FullSize;
    UpdateZoom();
}

// Until the first layout arrives, the boxes stand in rows in the order of their numbers.
void FlowchartController::OnBookLoaded(const std::vector<Section>& sections, const std::vector<Choice>& choices)
{
    ClearBook();
    view_->BeginUpdate();
    double left = 0;
    double top = 0;
    double rowHeight = 0;
    for (std::size_t index = 0; index < sections.size(); ++index) {
        const NodeKey key = AddSection(sections[index], [&](double, double) { return std::make_pair(left, top); });
        const Node& node = nodes_.at(key);
        left += node.width + ProvisionalGap;
        rowHeight = std::max(rowHeight, node.height);
        if ((index + 1) % ProvisionalRow == 0) {
            left = 0;
            top += rowHeight + ProvisionalGap;
            rowHeight = 0;
        }
    }
    view_->SetGraphSize(graphWidth_, graphHeight_);
    for (const Choice& choice : choices) {
        AddChoice(choice);
        view_->AddChoiceEdge(choice.id, {}, choice.hidden);
    }
    Relayout();
    view_->EndUpdate();
}

// A new box goes below the current section, from which it is most likely reached.
void FlowchartController::OnSectionAdded(const Section& section)
{
    double left = 0;
    double top = graphHeight_ + ProvisionalGap;
    const auto current = keys_.find(selection_.GetCurrentSection());
    if (current != keys_.end()) {
        const Box& above = boxes_.at(current->second);
        left = above.left;
        top = above.top + nodes_.at(current->second).height + ProvisionalGap;
    }
    const int width = graphWidth_;
    const int height = graphHeight_;
    AddSection(section, [&](double boxWidth, double boxHeight) { return std::make_pair(FreeLeft(left, top, boxWidth, boxHeight), top); });
    if (graphWidth_ != width || graphHeight_ != height) {
        view_->SetGraphSize(graphWidth_, graphHeight_);
    }
    ShapeChanged();
}

void FlowchartController::OnSectionDeleted(const Section& section)
{
    const auto found = keys_.find(section.number);
    if (found == keys_.end()) {
        return;
    }
    const NodeKey key = found->second;
    std::vector<Uuid> attached;
    for (const auto& [sequence, edge] : edges_) {
        if (edge.from == key || edge.to == key) {
            attached.push_back(edge.id);
        }
    }
    for (const Uuid& id : attached) {
        RemoveEdge(id);
        view_->RemoveChoiceEdge(id);
    }
    nodes_.erase(key);
    boxes_.erase(key);
    keys_.erase(found);
    view_->RemoveSectionNode(section.number);
    ShapeChanged();
}

void FlowchartController::OnChoiceAdded(const Choice& choice)
{
    const NodeKey from = keys_.at(choice.source);
    const NodeKey to = keys_.at(choice.destination);
    if (from != to && boxes_.at(to).provisional && !boxes_.at(from).provisional) {
        PlaceBelow(to, from);
    }
    AddChoice(choice);
    view_->AddChoiceEdge(choice.id, StraightRoute(from, to), choice.hidden);
    ShapeChanged();
}

void FlowchartController::OnChoiceDeleted(const Choice& choice)
{
    if (edgeSequence_.count(choice.id) == 0) {
        return;
    }
    RemoveEdge(choice.id);
    view_->RemoveChoiceEdge(choice.id);
    ShapeChanged();
}

void FlowchartController::OnSectionUpdated(std::uint32_t oldNumber, const Section& section, SectionProperty property)
{
    switch (property) {
    case SectionProperty::Number: {
        const NodeKey key = keys_.at(oldNumber);
        keys_.erase(oldNumber);
        keys_[section.number] = key;
        nodes_.at(key).number = section.number;
        view_->RenumberSectionNode(oldNumber, section.number);
        break;
    }
    case SectionProperty::Summary:
    case SectionProperty::Text: {
        const std::wstring label = SectionLabel(section);
        const auto [width, height] = BoxSize(section, label);
        Node& node = nodes_.at(keys_.at(section.number));
        node.width = width;
        node.height = height;
        view_->UpdateSectionNode(section.number, label, width, height);
        ShapeChanged();
        break;
    }
    case SectionProperty::BackgroundColour:
        view_->SetSectionColour(section.number, section.backgroundColour);
        break;
    default:
        break;
    }
}

// Graphviz took the old edge out and put a new one in at the end, and so does the copy,
// which keeps the order that the layout depends on.
void FlowchartController::OnChoiceUpdated(const Choice& from, const Choice& to, ChoiceUpdateReason reason)
{
    if (reason != ChoiceUpdateReason::ChoiceChanged) {
        return;
    }
    RemoveEdge(from.id);
    AddChoice(to);
    if (from.source != to.source || from.destination != to.destination) {
        view_->SetChoicePoints(to.id, StraightRoute(keys_.at(to.source), keys_.at(to.destination)));
    }
    if (from.hidden != to.hidden) {
        view_->SetChoiceHidden(to.id, to.hidden);
    }
    ShapeChanged();
}

void FlowchartController::OnSectionsSwapped(std::uint32_t a, std::uint32_t b)
{
    const NodeKey first = keys_.at(a);
    const NodeKey second = keys_.at(b);
    keys_[a] = second;
    keys_[b] = first;
    nodes_.at(first).number = b;
    nodes_.at(second).number = a;
    view_->SwapSectionNodes(a, b);
}

// The boxes keep their places and their keys, so a layout under way still fits them.
void FlowchartController::OnSectionsRenumbered(const NumberChanges& changes)
{
    std::vector<NodeKey> moved;
    moved.reserve(changes.size());
    for (const NumberChange& change : changes) {
        moved.push_back(keys_.at(change.from));
    }
    for (const NumberChange& change : changes) {
        keys_.erase(change.from);
    }
    for (std::size_t index = 0; index < changes.size(); ++index) {
        keys_[changes[index].to] = moved[index];
        nodes_.at(moved[index]).number = changes[index].to;
    }
    view_->RenumberSectionNodes(changes);
}

std::pair<double, double> FlowchartController::BoxSize(const Section& section, const std::wstring& label)
{
    return Flowchart::BoxSize(view_->MeasureSection(section.number, label));
}

FlowchartController::NodeKey FlowchartController::AddSection(const Section& section, const Placer& place)
{
    const std::wstring label = SectionLabel(section);
    const auto [width, height] = BoxSize(section, label);
    const auto [left, top] = place(width, height);
    const NodeKey key = nextKey_++;
    nodes_[key] = Node{section.number, width, height};
    keys_[section.number] = key;
    boxes_[key] = Box{left, top, true};
    Enclose(left + width, top + height);
    view_->AddSectionNode(section.number, label, section.backgroundColour, left, top, width, height);
    return key;
}

void FlowchartController::AddChoice(const Choice& choice)
{
    const std::uint64_t sequence = nextEdge_++;
    edges_[sequence] = Edge{choice.id, keys_.at(choice.source), keys_.at(choice.destination)};
    edgeSequence_[choice.id] = sequence;
}

void FlowchartController::RemoveEdge(const Uuid& id)
{
    const auto found = edgeSequence_.find(id);
    if (found != edgeSequence_.end()) {
        edges_.erase(found->second);
        edgeSequence_.erase(found);
    }
}

void FlowchartController::PlaceBelow(NodeKey key, NodeKey above)
{
    const Box& anchor = boxes_.at(above);
    Box& box = boxes_.at(key);
    const Node& node = nodes_.at(key);
    box.top = anchor.top + nodes_.at(above).height + ProvisionalGap;
    box.left = FreeLeft(anchor.left, box.top, node.width, node.height, key);
    if (Enclose(box.left + node.width, box.top + node.height)) {
        view_->SetGraphSize(graphWidth_, graphHeight_);
    }
    view_->SetSectionPosition(node.number, box.left, box.top);
}

// The first place from the given one rightwards where the box covers no other.
double FlowchartController::FreeLeft(double left, double top, double width, double height, NodeKey self) const
{
    const auto covers = [&](double at) {
        for (const auto& [key, box] : boxes_) {
            const Node& node = nodes_.at(key);
            if (key != self && at < box.left + node.width && box.left < at + width && top < box.top + node.height &&
                box.top < top + height) {
                return true;
            }
        }
        return false;
    };
    for (int attempt = 0; attempt < ProvisionalTries && covers(left); ++attempt) {
        left += width + ProvisionalGap;
    }
    return left;
}

bool FlowchartController::Enclose(double right, double bottom)
{
    const int width = std::max(graphWidth_, static_cast<int>(std::ceil(right)));
    const int height = std::max(graphHeight_, static_cast<int>(std::ceil(bottom)));
    const bool grew = width != graphWidth_ || height != graphHeight_;
    graphWidth_ = width;
    graphHeight_ = height;
    return grew;
}

RoutePoints FlowchartController::StraightRoute(NodeKey from, NodeKey to) const
{
    const Box& source = boxes_.at(from);
    const Box& destination = boxes_.at(to);
    const Node& sourceNode = nodes_.at(from);
    const Node& destinationNode = nodes_.at(to);
    const Flowchart::RoutePoint start{source.left + sourceNode.width / 2, source.top + sourceNode.height};
    const Flowchart::RoutePoint tip{destination.left + destinationNode.width / 2, destination.top};
    const double dx = tip.x - start.x;
    const double dy = tip.y - start.y;
    const double length = std::max(std::hypot(dx, dy), 1.0);
    const double shaft = std::max(length - ArrowheadLength, 0.0) / length;
    const Flowchart::RoutePoint end{start.x + dx * shaft, start.y + dy * shaft};
    const auto between = [&](double part) {
        return Flowchart::RoutePoint{start.x + (end.x - start.x) * part, start.y + (end.y - start.y) * part};
    };
    return {start, between(1.0 / 3), between(2.0 / 3), end, tip};
}

void FlowchartController::ShapeChanged()
{
    ++generation_;
    Relayout();
}

void FlowchartController::Relayout()
{
    if (bulkDepth_ > 0) {
        layoutPending_ = true;
        return;
    }
    layoutPending_ = false;
    if (running_) {
        wanted_ = true;
        return;
    }
    if (!scheduled_) {
        scheduled_ = true;
        view_->ShowLayoutStatus(LayoutStatus::Running, L"");
        runner_->Soon([this, alive = std::weak_ptr<bool>(alive_)] {
            if (alive.lock()) {
                scheduled_ = false;
                StartLayout();
            }
        });
    }
}

void FlowchartController::StartLayout()
{
    running_ = true;
    wanted_ = false;
    Flowchart::FlowchartSnapshot snapshot;
    snapshot.nodes.reserve(nodes_.size());
    for (const auto& [key, node] : nodes_) {
        snapshot.nodes.push_back(node);
    }
    snapshot.edges.reserve(edges_.size());
    for (const auto& [sequence, edge] : edges_) {
        snapshot.edges.push_back({edge.id, nodes_.at(edge.from).number, nodes_.at(edge.to).number});
    }
    runner_->Run(std::move(snapshot),
                 [this, alive = std::weak_ptr<bool>(alive_), generation = generation_, keys = keys_](Flowchart::LayoutOutcome outcome) {
                     if (alive.lock()) {
                         OnLayoutDone(generation, keys, std::move(outcome));
                     }
                 });
}

void FlowchartController::OnLayoutDone(std::uint64_t generation, const std::unordered_map<std::uint32_t, NodeKey>& keys,
                                       Flowchart::LayoutOutcome outcome)
{
    running_ = false;
    if (!outcome.layout) {
        layoutError_ = outcome.error;
    } else if (generation == generation_) {
        layoutError_.clear();
        Apply(*outcome.layout, keys);
    }
    if (wanted_) {
        StartLayout();
        return;
    }
    if (layoutError_.empty()) {
        view_->ShowLayoutStatus(LayoutStatus::Idle, L"");
    } else {
        view_->ShowLayoutStatus(LayoutStatus::Failed, std::wstring(layoutError_.begin(), layoutError_.end()));
    }
}

// The layout was made before any renumbering since, so its boxes are found by their keys.
void FlowchartController::Apply(const Flowchart::FlowchartLayout& layout, const std::unordered_map<std::uint32_t, NodeKey>& keys)
{
    view_->BeginLayout();
    graphWidth_ = layout.width;
    graphHeight_ = layout.height;
    view_->SetGraphSize(layout.width, layout.height);
    for (const Flowchart::NodePlacement& placement : layout.nodes) {
        const NodeKey key = keys.at(placement.number);
        boxes_[key] = Box{placement.left, placement.top, false};
        view_->SetSectionPosition(nodes_.at(key).number, placement.left, placement.top);
    }
    for (const Flowchart::EdgeRoute& route : layout.edges) {
        view_->SetChoicePoints(route.choiceId, route.points);
    }
    view_->EndLayout();
}

}  // namespace TarnViewModel
