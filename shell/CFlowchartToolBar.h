#pragma once

#include <QToolBar>

class QComboBox;
class QAction;

namespace TarnViewModel {
class FlowchartController;
}

namespace TarnGui {

// The flowchart pane's zoom box and zoom buttons.
class CFlowchartToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CFlowchartToolBar(QWidget* parent = nullptr);

    void SetController(TarnViewModel::FlowchartController* controller) { controller_ = controller; }
    void ShowZoomText(const QString& text);
    void EnableZoomIn(bool enable);
    void EnableZoomOut(bool enable);

    QComboBox* ZoomBox() const { return zoomBox_; }
    QAction* ZoomInAction() const { return zoomIn_; }
    QAction* ZoomOutAction() const { return zoomOut_; }

private:
    TarnViewModel::FlowchartController* controller_ = nullptr;
    QComboBox* zoomBox_;
    QAction* zoomOut_;
    QAction* zoomIn_;
};

}  // namespace TarnGui
