#include "controllers/FlowchartController.h"

#include "controllers/SectionLabel.h"
#include "document/TarnDataModel.h"

#include <algorithm>

namespace TarnViewModel {

namespace {

constexpr double SmallestBoxWidth = 80.0;
constexpr double SmallestBoxHeight = 50.0;

}  // namespace

FlowchartController::FlowchartController(TarnDataModel& model, IFlowchartView* view) : model_(model), view_(view)
{
    connections_.emplace_back(model_.ConnectBookReset([this] { OnBookReset(); }));
    connections_.emplace_back(model_.ConnectBookLoaded(
        [this](const std::vector<Section>& sections, const std::vector<Choice>& choices) { OnBookLoaded(sections, choices); }));
    connections_.emplace_back(model_.ConnectSectionAdded([this](const Section& section) {
        AddSection(section);
        Relayout();
    }));
    connections_.emplace_back(model_.ConnectSectionSelected([this](const Section& section) {
        view_->ClearSelection();
        view_->SelectSectionNode(section.number);
    }));
    connections_.emplace_back(model_.ConnectSectionDeleted([this](const Section& section) {
        graph_.DeleteNode(section.number);
        view_->RemoveSectionNode(section.number);
        Relayout();
    }));
    connections_.emplace_back(model_.ConnectUiConfigChanged(
        [this](const UiConfig& config) { graph_.SetResolution(config.horizontalDpi, config.verticalDpi); }));
    connections_.emplace_back(model_.ConnectChoiceAdded([this](const Choice& choice) {
        AddChoice(choice);
        Relayout();
    }));
    // Every removal lays the chart out again, whatever took the choice away.
    connections_.emplace_back(model_.ConnectChoiceDeleted([this](const Choice& choice, ChoiceDeleteCause) {
        graph_.DeleteEdge(choice.source, choice.destination, choice.id);
        view_->RemoveChoiceEdge(choice.id);
        Relayout();
    }));
    connections_.emplace_back(model_.ConnectChoiceUpdated(
        [this](const Choice& from, const Choice& to, ChoiceProperty, ChoiceUpdateReason reason) { OnChoiceUpdated(from, to, reason); }));
    connections_.emplace_back(model_.ConnectSectionDeselected([this](std::uint32_t) { view_->ClearSelection(); }));
    connections_.emplace_back(model_.ConnectSectionUpdated(
        [this](std::uint32_t oldNumber, const Section& section, SectionProperty property) {
            OnSectionUpdated(oldNumber, section, property);
        }));
    connections_.emplace_back(model_.ConnectSectionsSwapped([this](const Section& a, const Section& b) {
        graph_.SwapNodes(a.number, b.number);
        view_->SwapSectionNodes(a.number, b.number);
    }));
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
    zoom_ = std::min(zoom_ + 10, HighestZoom);
    UpdateZoom();
}

void FlowchartController::ZoomOut()
{
    zoom_ = zoom_ < LowestZoom + 10 ? LowestZoom : zoom_ - 10;
    UpdateZoom();
}

std::wstring FlowchartController::ZoomText() const
{
    return std::to_wstring(zoom_) + L"%";
}

void FlowchartController::UpdateZoom()
{
    view_->EnableZoomIn(zoom_ != HighestZoom);
    view_->EnableZoomOut(zoom_ != LowestZoom);
    view_->SetZoom(zoom_ / 100.0, ZoomText());
}

void FlowchartController::OnBookReset()
{
    layoutPending_ = false;
    graph_.ClearGraph();
    view_->ClearAll();
    zoom_ = HighestZoom;
    view_->EnableZoomIn(false);
    view_->EnableZoomOut(true);
    view_->SetZoom(1.0, ZoomText());
}

void FlowchartController::OnBookLoaded(const std::vector<Section>& sections, const std::vector<Choice>& choices)
{
    graph_.ClearGraph();
    view_->ClearAll();
    view_->BeginUpdate();
    for (const Section& section : sections) {
        AddSection(section);
    }
    for (const Choice& choice : choices) {
        AddChoice(choice);
    }
    Relayout();
    view_->EndUpdate();
}

void FlowchartController::OnSectionUpdated(std::uint32_t oldNumber, const Section& section, SectionProperty property)
{
    switch (property) {
    case SectionProperty::Number:
        graph_.RenumberNode(oldNumber, section.number);
        view_->RenumberSectionNode(oldNumber, section.number);
        break;
    case SectionProperty::Summary:
    case SectionProperty::Text: {
        const std::wstring label = SectionLabel(section);
        const auto [width, height] = BoxSize(section, label);
        graph_.ResizeNode(section.number, width, height);
        view_->UpdateSectionNode(section.number, label, width, height);
        Relayout();
        break;
    }
    case SectionProperty::BackgroundColour:
        view_->SetSectionColour(section.number, section.backgroundColour);
        break;
    default:
        break;
    }
}

void FlowchartController::OnChoiceUpdated(const Choice& from, const Choice& to, ChoiceUpdateReason reason)
{
    if (reason != ChoiceUpdateReason::ChoiceChanged) {
        return;
    }
    graph_.DeleteEdge(from.source, from.destination, from.id);
    graph_.AddEdge(to.id, to.source, to.destination);
    if (from.hidden != to.hidden) {
        view_->SetChoiceHidden(to.id, to.hidden);
    }
    Relayout();
}

std::pair<double, double> FlowchartController::BoxSize(const Section& section, const std::wstring& label)
{
    const auto [width, height] = view_->MeasureSection(section.number, label);
    return {std::max(width, SmallestBoxWidth), std::max(height, SmallestBoxHeight)};
}

void FlowchartController::AddSection(const Section& section)
{
    const std::wstring label = SectionLabel(section);
    const auto [width, height] = BoxSize(section, label);
    graph_.AddNode(section.number, width, height);
    view_->AddSectionNode(section.number, label, section.backgroundColour, 0.0, 0.0, width, height);
}

void FlowchartController::AddChoice(const Choice& choice)
{
    graph_.AddEdge(choice.id, choice.source, choice.destination);
    view_->AddChoiceEdge(choice.id, {}, choice.hidden);
}

void FlowchartController::Relayout()
{
    if (bulkDepth_ > 0) {
        layoutPending_ = true;
        return;
    }
    layoutPending_ = false;
    view_->BeginLayout();
    graph_.Layout([this](const NodePlacement& node) { view_->SetSectionPosition(node.number, node.left, node.top); },
                  [this](const EdgeRoute& edge) { view_->SetChoicePoints(edge.choiceId, edge.points); },
                  [this](int width, int height) { view_->SetGraphSize(width, height); });
    view_->EndLayout();
}

}  // namespace TarnViewModel
