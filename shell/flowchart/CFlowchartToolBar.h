// SPDX-License-Identifier: MIT
#pragma once

#include <QToolBar>

class QAction;
class QComboBox;
class QLabel;

namespace TarnViewModel {
class FlowchartController;
}

namespace TarnGui {

// The flowchart pane's zoom box, zoom and fit buttons, and the state of its layout. The
// fit buttons are wired by the pane, which knows the size of the chart's window.
class CFlowchartToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CFlowchartToolBar(QWidget* parent = nullptr);

    void SetController(TarnViewModel::FlowchartController* controller) { controller_ = controller; }
    void ShowZoomText(const QString& text);
    void EnableZoomIn(bool enable);
    void EnableZoomOut(bool enable);
    // Says that a layout is under way, or that the last one failed and why.
    void ShowLayoutStatus(const QString& text);
    // A note on the zoom, such as a fit that could not show the whole chart; until the
    // zoom changes.
    void ShowZoomNote(const QString& text);

    QComboBox* ZoomBox() const { return zoomBox_; }
    QAction* ZoomInAction() const { return zoomIn_; }
    QAction* ZoomOutAction() const { return zoomOut_; }
    QAction* FitWholeChartAction() const { return fitWholeChart_; }
    QAction* FitWidthAction() const { return fitWidth_; }
    QLabel* LayoutStatusLabel() const { return layoutStatus_; }
    QLabel* ZoomNoteLabel() const { return zoomNote_; }

private:
    void TakeTypedZoom();

    TarnViewModel::FlowchartController* controller_ = nullptr;
    QComboBox* zoomBox_;
    QAction* zoomOut_;
    QAction* zoomIn_;
    QAction* fitWholeChart_;
    QAction* fitWidth_;
    QLabel* layoutStatus_;
    QLabel* zoomNote_;
};

}  // namespace TarnGui
