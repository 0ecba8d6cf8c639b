#pragma once

#include <QToolBar>

class QAction;
class QComboBox;
class QLabel;

namespace TarnViewModel {
class FlowchartController;
}

namespace TarnGui {

// The flowchart pane's zoom box and zoom buttons, and the state of its layout.
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

    QComboBox* ZoomBox() const { return zoomBox_; }
    QAction* ZoomInAction() const { return zoomIn_; }
    QAction* ZoomOutAction() const { return zoomOut_; }
    QLabel* LayoutStatusLabel() const { return layoutStatus_; }

private:
    TarnViewModel::FlowchartController* controller_ = nullptr;
    QComboBox* zoomBox_;
    QAction* zoomOut_;
    QAction* zoomIn_;
    QLabel* layoutStatus_;
};

}  // namespace TarnGui
