// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IFlowchartView.h"

#include <QDockWidget>

#include <functional>

namespace TarnViewModel {
class FlowchartController;
class SectionSelection;
}  // namespace TarnViewModel

namespace TarnGui {

class CFlowchart;
class CFlowchartToolBar;

// The flowchart's docking pane: carries the controller's calls to the drawing window and
// the toolbar.
class CFlowchartPane : public QDockWidget, public TarnViewModel::IFlowchartView {
    Q_OBJECT
public:
    CFlowchartPane(TarnViewModel::SectionSelection& selection, QWidget* parent);

    // Connects the toolbar and shows the controller's zoom.
    void SetController(TarnViewModel::FlowchartController* controller);
    CFlowchart* Chart() const { return chart_; }
    CFlowchartToolBar* ToolBar() const { return toolBar_; }

    std::pair<double, double> MeasureSection(std::uint32_t number, const std::wstring& label) override;
    void AddSectionNode(std::uint32_t number, const std::wstring& label, const TarnViewModel::Colour& colour, double left, double top,
                        double width, double height) override;
    void UpdateSectionNode(std::uint32_t number, const std::wstring& label, double width, double height) override;
    void AddChoiceEdge(const TarnViewModel::Uuid& id, const TarnViewModel::RoutePoints& points, bool hidden) override;
    void SetChoiceHidden(const TarnViewModel::Uuid& id, bool hidden) override;
    void BeginLayout() override;
    void EndLayout() override;
    void SetSectionPosition(std::uint32_t number, double left, double top) override;
    void SetChoicePoints(const TarnViewModel::Uuid& id, const TarnViewModel::RoutePoints& points) override;
    void RemoveSectionNode(std::uint32_t number) override;
    void RemoveChoiceEdge(const TarnViewModel::Uuid& id) override;
    void SelectSectionNode(std::uint32_t number) override;
    void ClearSelection() override;
    void SetGraphSize(int width, int height) override;
    void SetSectionColour(std::uint32_t number, const TarnViewModel::Colour& colour) override;
    void SetZoom(double factor, const std::wstring& text) override;
    void EnableZoomIn(bool enable) override;
    void EnableZoomOut(bool enable) override;
    void RenumberSectionNode(std::uint32_t oldNumber, std::uint32_t newNumber) override;
    void SwapSectionNodes(std::uint32_t a, std::uint32_t b) override;
    void RenumberSectionNodes(const TarnViewModel::NumberChanges& changes) override;
    void ClearAll() override;
    void SetFooterText(const std::wstring& footer) override;
    void BeginUpdate() override;
    void EndUpdate() override;
    void ShowLayoutStatus(TarnViewModel::LayoutStatus status, const std::wstring& error) override;

    // No layout runs or waits.
    bool LayoutSettled() const { return settled_; }
    // Runs the step once the layout under way has arrived, at once when none runs, so that
    // what it draws shows the book as it is.
    void WhenLaidOut(std::function<void()> step);

signals:
    // The last layout asked for has been shown, or has failed.
    void layoutSettled();

private:
    // Says beside the zoom when a fit could not show the whole chart.
    void NoteUnfitted(bool fits);

    CFlowchartToolBar* toolBar_;
    CFlowchart* chart_;
    bool settled_ = true;
};

}  // namespace TarnGui
