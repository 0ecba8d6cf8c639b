// SPDX-License-Identifier: MIT
#include "shell/flowchart/CFlowchartPane.h"

#include "controllers/FlowchartController.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "drawing/QtText.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartToolBar.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/StringTable.h"

#include <QAction>
#include <QStyle>
#include <QVBoxLayout>

namespace TarnGui {

namespace {

// The selected section for a screen reader: its summary, then where its choices lead.
QString SectionDescription(const TarnViewModel::TarnDataModel& model, std::uint32_t number)
{
    const TarnViewModel::StoryGraph& graph = model.GetStoryGraph();
    if (!graph.HasSection(number)) {
        return CFlowchartPane::tr("An empty slot that choices lead to.");
    }
    QStringList destinations;
    graph.VisitSectionChoices(number, false, [&](const TarnViewModel::Choice& choice) {
        destinations.append(choice.hidden ? CFlowchartPane::tr("%1 (hidden)").arg(choice.destination)
                                          : QString::number(choice.destination));
    });
    const QString summary = Drawing::ToQString(graph.GetSection(number).summary);
    const QString choices = destinations.isEmpty() ? CFlowchartPane::tr("An ending: no choices.")
                                                   : CFlowchartPane::tr("Choices lead to %1.").arg(destinations.join(QStringLiteral(", ")));
    return summary.isEmpty() ? choices : summary + QStringLiteral(". ") + choices;
}

}  // namespace

CFlowchartPane::CFlowchartPane(const TarnViewModel::TarnDataModel& model, TarnViewModel::SectionSelection& selection, QWidget* parent)
    : QDockWidget(LoadString(Strings::FlowchartCaption), parent), steps_(model, selection)
{
    setObjectName(QStringLiteral("FlowchartPane"));
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new CFlowchartToolBar(content);
    chart_ = new CFlowchart(Scene(), Fonts(), content);
    layout->addWidget(toolBar_);
    layout->addWidget(chart_, 1);
    content->setFocusProxy(chart_);
    setWidget(content);
    chart_->SetSelectHandler([this, &selection](std::uint32_t number) { RunGuarded(this, [&] { selection.SetCurrentSection(number); }); });
    chart_->SetStepHandler([this](TarnViewModel::ChartStep step) { RunGuarded(this, [&] { steps_.Take(step); }); });
    chart_->SetEditHandler([this] { emit EditRequested(); });
    chart_->SetRemoveHandler([this] { emit RemoveRequested(); });
    chart_->SetDescriptionHandler([&model](std::uint32_t number) { return SectionDescription(model, number); });
}

// The chart shows the scene kept in a base class, which goes before the widget's children do.
CFlowchartPane::~CFlowchartPane()
{
    delete widget();
}

void CFlowchartPane::SetController(TarnViewModel::FlowchartController* controller)
{
    toolBar_->SetController(controller);
    // The size the chart's window has without scroll bars, which a fitted chart no longer needs.
    connect(toolBar_->FitWholeChartAction(), &QAction::triggered, this, [this, controller] {
        const QSize window = chart_->maximumViewportSize();
        RunGuarded(this, [&] { NoteUnfitted(controller->FitWholeChart(window.width(), window.height())); });
    });
    // A chart fitted to the width is usually taller than the window, so its vertical bar stays.
    connect(toolBar_->FitWidthAction(), &QAction::triggered, this, [this, controller] {
        const int width = chart_->maximumViewportSize().width() - chart_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        RunGuarded(this, [&] { NoteUnfitted(controller->FitWidth(width)); });
    });
    chart_->SetZoomHandler([this, controller](bool in) { RunGuarded(this, [&] { in ? controller->ZoomIn() : controller->ZoomOut(); }); });
    controller->SetZoomPercent(100);
}

void CFlowchartPane::NoteUnfitted(bool fits)
{
    if (!fits) {
        toolBar_->ShowZoomNote(LoadString(Strings::ChartDoesNotFit));
    }
}

void CFlowchartPane::BeginLayout()
{
    chart_->BeginLayout();
}

void CFlowchartPane::EndLayout()
{
    chart_->EndLayout();
}

void CFlowchartPane::SelectSectionNode(std::uint32_t number)
{
    FlowchartSceneView::SelectSectionNode(number);
    chart_->SelectBox(number);
}

void CFlowchartPane::ClearSelection()
{
    FlowchartSceneView::ClearSelection();
    chart_->ClearSelection();
}

void CFlowchartPane::SetGraphSize(int width, int height)
{
    FlowchartSceneView::SetGraphSize(width, height);
    chart_->GraphResized();
}

void CFlowchartPane::SetZoom(double factor, const std::wstring& text)
{
    chart_->SetZoom(factor);
    toolBar_->ShowZoomText(Drawing::ToQString(text));
    toolBar_->ShowZoomNote(QString());
}

void CFlowchartPane::EnableZoomIn(bool enable)
{
    toolBar_->EnableZoomIn(enable);
}

void CFlowchartPane::EnableZoomOut(bool enable)
{
    toolBar_->EnableZoomOut(enable);
}

void CFlowchartPane::ClearAll()
{
    chart_->ClearSelection();
    FlowchartSceneView::ClearAll();
    chart_->GraphResized();
}

void CFlowchartPane::BoxChanged(const Drawing::FlowchartBox& box)
{
    chart_->InvalidateBox(box);
}

void CFlowchartPane::ArrowChanged(const Drawing::FlowchartArrow& arrow)
{
    chart_->InvalidateArrow(arrow);
}

void CFlowchartPane::BoxesRenumbered(const TarnViewModel::NumberChanges& changes)
{
    chart_->FollowSelection(changes);
}

void CFlowchartPane::ChartChanged()
{
    chart_->RepaintAll();
}

void CFlowchartPane::BeginUpdate()
{
    chart_->BeginUpdate();
}

void CFlowchartPane::EndUpdate()
{
    chart_->EndUpdate();
}

void CFlowchartPane::WhenLaidOut(std::function<void()> step)
{
    if (settled_) {
        step();
        return;
    }
    connect(this, &CFlowchartPane::layoutSettled, this, std::move(step), Qt::SingleShotConnection);
}

void CFlowchartPane::ShowLayoutStatus(TarnViewModel::LayoutStatus status, const std::wstring& error)
{
    switch (status) {
    case TarnViewModel::LayoutStatus::Running:
        toolBar_->ShowLayoutStatus(LoadString(Strings::LayoutRunning));
        break;
    case TarnViewModel::LayoutStatus::Failed:
        toolBar_->ShowLayoutStatus(LoadString(Strings::LayoutFailed).arg(Drawing::ToQString(error)));
        break;
    case TarnViewModel::LayoutStatus::Idle:
        toolBar_->ShowLayoutStatus(QString());
        break;
    }
    settled_ = status != TarnViewModel::LayoutStatus::Running;
    if (settled_) {
        emit layoutSettled();
    }
}

}  // namespace TarnGui
