// SPDX-License-Identifier: MIT
#include "shell/flowchart/CFlowchart.h"

#include "drawing/VisitedMark.h"
#include "shell/flowchart/FlowchartAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <map>

namespace TarnGui {

namespace {

constexpr int LineStep = 10;
const QColor ScreenBackground(200, 200, 200);
// The selected box is ringed at screen scale, so that it stands out at every zoom.
constexpr double SelectionRingGap = 3.0;
constexpr double SelectionRingWidth = 3.0;
constexpr int SelectionRingReach = 7;
// A visited box's mark sits just inside its top left corner, clear of the selection ring.
constexpr double VisitedMarkInset = Drawing::VisitedMarkReach + 2.0;

}  // namespace

CFlowchart::CFlowchart(const Drawing::FlowchartScene& scene, const Drawing::FlowchartFonts& fonts, QWidget* parent)
    : QAbstractScrollArea(parent), scene_(scene), fonts_(fonts), updates_(viewport())
{
    setFocusPolicy(Qt::StrongFocus);
    FlowchartAccessible::Register();
    viewport()->setMouseTracking(true);
    // Every pixel is painted, so Qt need not clear the background first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(LineStep);
    verticalScrollBar()->setSingleStep(LineStep);
    UpdateScrollBars();
}

void CFlowchart::FollowSelection(const TarnViewModel::NumberChanges& changes)
{
    if (!selected_) {
        return;
    }
    const auto moved = std::find_if(changes.begin(), changes.end(), [this](const auto& change) { return change.from == *selected_; });
    if (moved != changes.end()) {
        selected_ = moved->to;
    } else if (std::any_of(changes.begin(), changes.end(), [this](const auto& change) { return change.to == *selected_; })) {
        // Another section took the number of the selected one, whose box is gone.
        selected_.reset();
    }
}

void CFlowchart::SelectBox(std::uint32_t number)
{
    const auto found = scene_.boxes.find(number);
    if (found == scene_.boxes.end()) {
        return;
    }
    selected_ = number;
    AnnounceSelection();
    const QRect area = BoxWindowArea(found->second);
    if (viewport()->rect().contains(area)) {
        viewport()->update(area);
        return;
    }
    CentreOn(found->second);
    RepaintAll();
}

void CFlowchart::SetVisited(std::set<std::uint32_t> numbers)
{
    for (const std::uint32_t number : visited_) {
        InvalidateBox(number);
    }
    visited_ = std::move(numbers);
    for (const std::uint32_t number : visited_) {
        InvalidateBox(number);
    }
}

void CFlowchart::CentreOn(const Drawing::FlowchartBox& box)
{
    ScrollDocumentPointTo(box.rect.center(), QRectF(viewport()->rect()).center());
}

void CFlowchart::ClearSelection()
{
    selected_.reset();
    AnnounceSelection();
}

QString CFlowchart::AccessibleDescription() const
{
    return selected_ && descriptionHandler_ ? descriptionHandler_(*selected_) : QString();
}

void CFlowchart::AnnounceSelection()
{
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

void CFlowchart::GraphResized()
{
    UpdateScrollBars();
}

void CFlowchart::SetZoom(double factor)
{
    const QPointF anchor = wheelAnchor_ ? *wheelAnchor_ : AnchorInWindow();
    const QPointF document = ToDocument(anchor);
    zoom_ = factor;
    UpdateScrollBars();
    ScrollDocumentPointTo(document, anchor);
    RepaintAll();
}

void CFlowchart::BeginLayout()
{
    if (const Drawing::FlowchartBox* box = SelectedBox()) {
        heldBox_ = HeldBox{*selected_, ToWindowPoint(box->rect.center())};
    }
}

void CFlowchart::EndLayout()
{
    UpdateScrollBars();
    const Drawing::FlowchartBox* box = SelectedBox();
    if (box != nullptr && heldBox_ && selected_ == heldBox_->number) {
        ScrollDocumentPointTo(box->rect.center(), heldBox_->window);
        if (!viewport()->rect().contains(ToWindow(box->rect))) {
            CentreOn(*box);
        }
    }
    heldBox_.reset();
    RepaintAll();
}

const Drawing::FlowchartBox* CFlowchart::SelectedBox() const
{
    return selected_ ? scene_.Box(*selected_) : nullptr;
}

// The selected box when it is in sight, else the middle of the window.
QPointF CFlowchart::AnchorInWindow() const
{
    const QRectF window(viewport()->rect());
    if (const Drawing::FlowchartBox* box = SelectedBox()) {
        const QPointF centre = ToWindowPoint(box->rect.center());
        if (window.contains(centre)) {
            return centre;
        }
    }
    return window.center();
}

QPointF CFlowchart::ToWindowPoint(const QPointF& document) const
{
    const double scale = Drawing::ChartScale(zoom_);
    return QPointF((document.x() + Drawing::ChartMargin) * scale - horizontalScrollBar()->value(),
                   (document.y() + Drawing::ChartMargin) * scale - verticalScrollBar()->value());
}

QPointF CFlowchart::ToDocument(const QPointF& window) const
{
    const double scale = Drawing::ChartScale(zoom_);
    return QPointF((window.x() + horizontalScrollBar()->value()) / scale - Drawing::ChartMargin,
                   (window.y() + verticalScrollBar()->value()) / scale - Drawing::ChartMargin);
}

void CFlowchart::ScrollDocumentPointTo(const QPointF& document, const QPointF& window)
{
    const double scale = Drawing::ChartScale(zoom_);
    horizontalScrollBar()->setValue(static_cast<int>(std::lround((document.x() + Drawing::ChartMargin) * scale - window.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround((document.y() + Drawing::ChartMargin) * scale - window.y())));
}

void CFlowchart::BeginUpdate()
{
    updates_.Begin();
}

void CFlowchart::EndUpdate()
{
    if (updates_.End()) {
        RepaintAll();
    }
}

std::optional<std::uint32_t> CFlowchart::BoxAt(const QPoint& point) const
{
    const double scale = Drawing::ChartScale(zoom_);
    const double x = std::trunc((horizontalScrollBar()->value() + point.x()) / scale) - Drawing::ChartMargin;
    const double y = std::trunc((verticalScrollBar()->value() + point.y()) / scale) - Drawing::ChartMargin;
    for (const auto& [number, box] : scene_.boxes) {
        const QRectF& rect = box.rect;
        const double left = rect.left() - 1.0;
        const double top = rect.top() - 1.0;
        if (x >= left && x < left + rect.width() + 2.0 && y >= top && y < top + rect.height() + 2.0) {
            return number;
        }
    }
    return std::nullopt;
}

int CFlowchart::HorizontalRange() const
{
    return static_cast<int>((scene_.graphWidth + 2 * Drawing::ChartMargin) * zoom_);
}

int CFlowchart::VerticalRange() const
{
    return static_cast<int>((scene_.graphHeight + 2 * Drawing::ChartMargin) * zoom_);
}

QRect CFlowchart::ToWindow(const QRectF& documentRect) const
{
    const double scale = Drawing::ChartScale(zoom_);
    const QRectF device((documentRect.left() + Drawing::ChartMargin) * scale - horizontalScrollBar()->value(),
                        (documentRect.top() + Drawing::ChartMargin) * scale - verticalScrollBar()->value(), documentRect.width() * scale,
                        documentRect.height() * scale);
    return device.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QRect CFlowchart::BoxWindowArea(const Drawing::FlowchartBox& box) const
{
    return ToWindow(Drawing::BoxPaintArea(box)).adjusted(-SelectionRingReach, -SelectionRingReach, SelectionRingReach, SelectionRingReach);
}

void CFlowchart::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), ScreenBackground);
    const double scale = Drawing::ChartScale(zoom_);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    painter.scale(scale, scale);
    painter.translate(Drawing::ChartMargin, Drawing::ChartMargin);
    const QRectF clip = painter.transform().inverted().mapRect(QRectF(event->rect()));
    Drawing::PaintScene(painter, scene_, fonts_, clip, true);

    if (const Drawing::FlowchartBox* box = SelectedBox()) {
        painter.resetTransform();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), SelectionRingWidth));
        painter.setBrush(Qt::NoBrush);
        const double reach = SelectionRingGap + SelectionRingWidth / 2;
        const QRectF ring =
            QRectF(ToWindowPoint(box->rect.topLeft()), ToWindowPoint(box->rect.bottomRight())).adjusted(-reach, -reach, reach, reach);
        painter.drawRoundedRect(ring, reach, reach);
    }
    painter.resetTransform();
    for (const std::uint32_t number : visited_) {
        const Drawing::FlowchartBox* box = scene_.Box(number);
        if (box != nullptr && event->rect().intersects(BoxWindowArea(*box))) {
            Drawing::PaintVisitedMark(painter, ToWindowPoint(box->rect.topLeft()) + QPointF(VisitedMarkInset, VisitedMarkInset));
        }
    }
}

void CFlowchart::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CFlowchart::scrollContentsBy(int dx, int dy)
{
    // Moves what is already drawn and paints only the strip that scrolled into view.
    viewport()->scroll(dx, dy);
}

void CFlowchart::wheelEvent(QWheelEvent* event)
{
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
        event->accept();
        if (zoomHandler_ && event->angleDelta().y() != 0) {
            wheelAnchor_ = event->position();
            zoomHandler_(event->angleDelta().y() > 0);
            wheelAnchor_.reset();
        }
        return;
    }
    const bool towardsEnd = event->angleDelta().y() <= 0;
    verticalScrollBar()->triggerAction(towardsEnd ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    event->accept();
}

void CFlowchart::keyPressEvent(QKeyEvent* event)
{
    static const std::map<int, TarnViewModel::ChartStep> steps{{Qt::Key_Up, TarnViewModel::ChartStep::Up},
                                                               {Qt::Key_Down, TarnViewModel::ChartStep::Down},
                                                               {Qt::Key_Left, TarnViewModel::ChartStep::Left},
                                                               {Qt::Key_Right, TarnViewModel::ChartStep::Right}};
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (const auto step = steps.find(event->key()); plain && step != steps.end() && stepHandler_) {
        stepHandler_(step->second);
        event->accept();
        return;
    }
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && editHandler_) {
        editHandler_();
        event->accept();
        return;
    }
    if (plain && event->key() == Qt::Key_Delete && removeHandler_) {
        removeHandler_();
        event->accept();
        return;
    }
    // With Ctrl, the arrows scroll the chart.
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    case Qt::Key_Up:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CFlowchart::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void CFlowchart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const std::optional<std::uint32_t> number = BoxAt(event->position().toPoint());
    if (number && selectHandler_) {
        selectHandler_(*number);
    }
    event->accept();
}

void CFlowchart::mouseMoveEvent(QMouseEvent* event)
{
    viewport()->setCursor(BoxAt(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CFlowchart::UpdateScrollBars()
{
    const QSize page = viewport()->size();
    QScrollBar* horizontal = horizontalScrollBar();
    QScrollBar* vertical = verticalScrollBar();
    // Qt's maximum is the last position, the range less the page; QScrollBar keeps the
    // position within it whenever the range shrinks.
    horizontal->setRange(0, std::max(0, HorizontalRange() - page.width()));
    horizontal->setPageStep(page.width());
    vertical->setRange(0, std::max(0, VerticalRange() - page.height()));
    vertical->setPageStep(page.height());
}

void CFlowchart::InvalidateBox(std::uint32_t number)
{
    if (const Drawing::FlowchartBox* box = scene_.Box(number)) {
        InvalidateBox(*box);
    }
}

void CFlowchart::InvalidateBox(const Drawing::FlowchartBox& box)
{
    viewport()->update(BoxWindowArea(box));
}

void CFlowchart::InvalidateArrow(const Drawing::FlowchartArrow& arrow)
{
    if (!arrow.points.isEmpty()) {
        viewport()->update(ToWindow(Drawing::ArrowPaintArea(arrow)));
    }
}

void CFlowchart::RepaintAll()
{
    viewport()->update();
}

}  // namespace TarnGui
