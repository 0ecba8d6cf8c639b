// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/ChartSteps.h"
#include "shell/flowchart/FlowchartSceneView.h"

#include <QDockWidget>

#include <functional>

namespace TarnViewModel {
class FlowchartController;
class SectionSelection;
class TarnDataModel;
}  // namespace TarnViewModel

namespace TarnGui {

class CFlowchart;
class CFlowchartToolBar;

// The flowchart's docking pane: keeps the scene the controller builds, and shows it in the
// drawing window with the zoom and the layout's status in the toolbar.
class CFlowchartPane : public QDockWidget, public FlowchartSceneView {
    Q_OBJECT
public:
    CFlowchartPane(const TarnViewModel::TarnDataModel& model, TarnViewModel::SectionSelection& selection, QWidget* parent);
    ~CFlowchartPane() override;

    // Connects the toolbar and shows the controller's zoom.
    void SetController(TarnViewModel::FlowchartController* controller);
    CFlowchart* Chart() const { return chart_; }
    CFlowchartToolBar* ToolBar() const { return toolBar_; }

    void BeginLayout() override;
    void EndLayout() override;
    void SelectSectionNode(std::uint32_t number) override;
    void ClearSelection() override;
    void SetGraphSize(int width, int height) override;
    void SetZoom(double factor, const std::wstring& text) override;
    void EnableZoomIn(bool enable) override;
    void EnableZoomOut(bool enable) override;
    void ClearAll() override;
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
    // Enter and Delete on the selected box.
    void EditRequested();
    void RemoveRequested();

protected:
    void BoxChanged(const Drawing::FlowchartBox& box) override;
    void ArrowChanged(const Drawing::FlowchartArrow& arrow) override;
    void BoxesRenumbered(const TarnViewModel::NumberChanges& changes) override;
    void ChartChanged() override;

private:
    // Says beside the zoom when a fit could not show the whole chart.
    void NoteUnfitted(bool fits);

    CFlowchartToolBar* toolBar_;
    CFlowchart* chart_;
    TarnViewModel::ChartSteps steps_;
    bool settled_ = true;
};

}  // namespace TarnGui
