// SPDX-License-Identifier: MIT
#include "drawing/FlowchartPainter.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Drawing {

namespace {

constexpr double BoxCornerRadius = 5.0;
constexpr double BoxPenWidth = 2.0;
constexpr double ArrowPenWidth = 2.5;
constexpr double ArrowheadPenWidth = 6.0;
// The arrowhead's length and half width along the last segment.
constexpr double ArrowheadLength = 12.0;
constexpr double ArrowheadHalfWidth = 6.0;
// Outlines, dashes and the arrowhead reach this far beyond an item's rectangle.
constexpr double BoxPaintMargin = 2.0;
constexpr double ArrowPaintMargin = ArrowheadHalfWidth + ArrowheadPenWidth;

void PaintBox(QPainter& painter, const FlowchartBox& box, const FlowchartFonts& fonts, bool showSelection)
{
    QPainterPath outline;
    outline.addRoundedRect(box.rect, BoxCornerRadius, BoxCornerRadius);
    QPen pen(Qt::black, BoxPenWidth);
    if (box.selected && showSelection) {
        pen.setStyle(Qt::DashLine);
    }
    painter.setPen(pen);
    painter.setBrush(box.fill);
    painter.drawPath(outline);

    painter.setPen(TextColourFor(box.fill));
    const QRectF numberArea(box.rect.left(), box.rect.top(), box.rect.width(), fonts.numberHeight);
    painter.setFont(fonts.number);
    painter.drawText(numberArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, box.numberText);
    const QRectF labelArea(box.rect.left(), box.rect.top() + fonts.numberHeight, box.rect.width(), box.rect.height() - fonts.numberHeight);
    painter.setFont(fonts.label);
    painter.drawText(labelArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, box.label);
}

void PaintArrowhead(QPainter& painter, const QPointF& from, const QPointF& tip)
{
    const QLineF segment(from, tip);
    const double length = segment.length();
    if (length <= 0.0) {
        return;
    }
    const QPointF along = (tip - from) / length;
    const QPointF across(-along.y(), along.x());
    const double headLength = std::min(length, ArrowheadLength);
    const QPointF base = tip - along * headLength;
    QPen shaft(Qt::black, ArrowheadPenWidth);
    shaft.setCapStyle(Qt::FlatCap);
    painter.setPen(shaft);
    if (length > headLength) {
        painter.drawLine(from, base);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QPointF head[] = {tip, base + across * ArrowheadHalfWidth, base - across * ArrowheadHalfWidth};
    painter.drawPolygon(head, 3);
}

void PaintArrow(QPainter& painter, const FlowchartArrow& arrow)
{
    const QPolygonF& points = arrow.points;
    const qsizetype count = points.size();
    if (count == 0) {
        return;
    }
    // The first n - 1 points are a chain of cubic curves; the last two make the arrowhead.
    QPainterPath curve(points[0]);
    for (qsizetype index = 1; index + 2 <= count - 2; index += 3) {
        curve.cubicTo(points[index], points[index + 1], points[index + 2]);
    }
    QPen pen(Qt::black, ArrowPenWidth);
    if (arrow.hidden) {
        pen.setStyle(Qt::DashLine);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
    if (count >= 2) {
        PaintArrowhead(painter, points[count - 2], points[count - 1]);
    }
}

}  // namespace

QColor TextColourFor(const QColor& fill)
{
    const double luminance = 0.2126 * fill.redF() + 0.7152 * fill.greenF() + 0.0722 * fill.blueF();
    return luminance < 0.5 ? Qt::white : Qt::black;
}

// A whole percentage stays whole: 0.29 * 100 is 28.999... in binary fractions.
double ChartScale(double zoom)
{
    return std::trunc(zoom * 100.0 + 1e-6) / 100.0;
}

QSizeF MeasureBox(const FlowchartFonts& fonts, const QString& numberText, const QString& label)
{
    const QSizeF number = QFontMetricsF(fonts.number).boundingRect(QRectF(), Qt::AlignLeft, numberText).size();
    const QSizeF text = label.isEmpty() ? QSizeF(0, 0) : QFontMetricsF(fonts.label).boundingRect(QRectF(), Qt::AlignLeft, label).size();
    return {std::max(number.width(), text.width()) + 8.0, number.height() + text.height()};
}

QSizeF MeasureFooter(const FlowchartFonts& fonts, const QString& footer)
{
    if (footer.isEmpty()) {
        return {0, 0};
    }
    return QFontMetricsF(fonts.footer).boundingRect(QRectF(), Qt::AlignLeft, footer).size();
}

QRectF BoxPaintArea(const FlowchartBox& box)
{
    return box.rect.adjusted(-BoxPaintMargin, -BoxPaintMargin, BoxPaintMargin, BoxPaintMargin);
}

QRectF ArrowPaintArea(const FlowchartArrow& arrow)
{
    return arrow.bounds.adjusted(-ArrowPaintMargin, -ArrowPaintMargin, ArrowPaintMargin, ArrowPaintMargin);
}

void PaintScene(QPainter& painter, const FlowchartScene& scene, const FlowchartFonts& fonts, const QRectF& clip, bool showSelection)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const auto& [number, box] : scene.boxes) {
        if (BoxPaintArea(box).intersects(clip)) {
            PaintBox(painter, box, fonts, showSelection);
        }
    }
    for (const auto& [id, arrow] : scene.arrows) {
        if (ArrowPaintArea(arrow).intersects(clip)) {
            PaintArrow(painter, arrow);
        }
    }
}

}  // namespace Drawing
