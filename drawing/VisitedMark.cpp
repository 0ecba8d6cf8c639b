// SPDX-License-Identifier: MIT
#include "drawing/VisitedMark.h"

#include <QPainter>

namespace Drawing {

namespace {

constexpr double MarkRadius = 5.0;
constexpr double MarkOutlineWidth = 1.5;
const QColor MarkColour(0, 140, 70);

}  // namespace

void PaintVisitedMark(QPainter& painter, const QPointF& centre)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, MarkOutlineWidth));
    painter.setBrush(MarkColour);
    painter.drawEllipse(centre, MarkRadius, MarkRadius);
    painter.restore();
}

}  // namespace Drawing
