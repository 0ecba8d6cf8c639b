// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/ChartSteps.h"
#include "drawing/FlowchartPainter.h"
#include "shell/support/UpdateBracket.h"

#include <QAbstractScrollArea>

#include <functional>
#include <optional>
#include <set>

namespace TarnGui {

// The flowchart's drawing window: paints the part of the scene that needs it, scrolls,
// zooms, rings the selected box and selects the box that is clicked. The scene is the
// chart pane's, which tells it what changed.
class CFlowchart : public QAbstractScrollArea {
    Q_OBJECT
public:
    using SelectHandler = std::function<void(std::uint32_t number)>;
    // Asked to zoom in (true) or out by Ctrl and the wheel.
    using ZoomHandler = std::function<void(bool in)>;
    // The keys that work on the selected box: the arrows walk the choices, Enter opens the
    // section for writing and Delete removes it.
    using StepHandler = std::function<void(TarnViewModel::ChartStep step)>;
    using KeyHandler = std::function<void()>;
    // What a screen reader says of the selected section.
    using DescriptionHandler = std::function<QString(std::uint32_t number)>;

    CFlowchart(const Drawing::FlowchartScene& scene, const Drawing::FlowchartFonts& fonts, QWidget* parent = nullptr);

    void SetSelectHandler(SelectHandler handler) { selectHandler_ = std::move(handler); }
    void SetZoomHandler(ZoomHandler handler) { zoomHandler_ = std::move(handler); }
    void SetStepHandler(StepHandler handler) { stepHandler_ = std::move(handler); }
    void SetEditHandler(KeyHandler handler) { editHandler_ = std::move(handler); }
    void SetRemoveHandler(KeyHandler handler) { removeHandler_ = std::move(handler); }
    void SetDescriptionHandler(DescriptionHandler handler) { descriptionHandler_ = std::move(handler); }
    QString AccessibleDescription() const;
    const Drawing::FlowchartScene& Scene() const { return scene_; }
    const Drawing::FlowchartFonts& Fonts() const { return fonts_; }
    double Zoom() const { return zoom_; }
    // The number of the box that is ringed.
    std::optional<std::uint32_t> Ringed() const { return selected_; }

    // Where a box or an arrow is, or was, painted, to be painted again.
    void InvalidateBox(const Drawing::FlowchartBox& box);
    void InvalidateArrow(const Drawing::FlowchartArrow& arrow);
    void RepaintAll();
    // The ring stays on the section's box, whatever number it takes.
    void FollowSelection(const TarnViewModel::NumberChanges& changes);
    // The chart's size changed, and with it the scroll ranges.
    void GraphResized();
    // Rings the box, bringing it into sight.
    void SelectBox(std::uint32_t number);
    void ClearSelection();
    // Marks the sections of the play-test path; none when nobody is playing.
    void SetVisited(std::set<std::uint32_t> numbers);
    const std::set<std::uint32_t>& Visited() const { return visited_; }
    // Keeps the point under the pointer when the wheel zooms, else the selected box or the
    // middle of the window, where it is on the screen.
    void SetZoom(double factor);
    // A layout moves the boxes; the selected box stays where it was on the screen.
    void BeginLayout();
    void EndLayout();
    void BeginUpdate();
    void EndUpdate();

    // The box under a point of the window, searched in ascending number.
    std::optional<std::uint32_t> BoxAt(const QPoint& point) const;
    // The scroll ranges: the zoomed graph with its margins, in device units.
    int HorizontalRange() const;
    int VerticalRange() const;
    // Where a document rectangle lies in the window at the current zoom and scroll.
    QRect ToWindow(const QRectF& documentRect) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void UpdateScrollBars();
    // Tells a screen reader that the selection moved, as it does when the focus moves.
    void AnnounceSelection();
    void InvalidateBox(std::uint32_t number);
    // Where a box, its outline and its selection ring lie in the window.
    QRect BoxWindowArea(const Drawing::FlowchartBox& box) const;
    const Drawing::FlowchartBox* SelectedBox() const;
    QPointF AnchorInWindow() const;
    QPointF ToWindowPoint(const QPointF& document) const;
    QPointF ToDocument(const QPointF& window) const;
    void ScrollDocumentPointTo(const QPointF& document, const QPointF& window);
    void CentreOn(const Drawing::FlowchartBox& box);

    struct HeldBox {
        std::uint32_t number;
        QPointF window;
    };

    const Drawing::FlowchartScene& scene_;
    const Drawing::FlowchartFonts& fonts_;
    double zoom_ = 1.0;
    UpdateBracket updates_;
    SelectHandler selectHandler_;
    ZoomHandler zoomHandler_;
    StepHandler stepHandler_;
    KeyHandler editHandler_;
    KeyHandler removeHandler_;
    DescriptionHandler descriptionHandler_;
    // Where the pointer is while the wheel zooms.
    std::optional<QPointF> wheelAnchor_;
    std::optional<std::uint32_t> selected_;
    std::set<std::uint32_t> visited_;
    std::optional<HeldBox> heldBox_;
};

}  // namespace TarnGui
