// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

class QPainter;

namespace Drawing {

// How far the mark of a section on the play-test path reaches from its centre, outline
// included, in screen pixels.
constexpr double VisitedMarkReach = 6.5;

// Marks a section the reader's path has passed through, at screen scale so that the path
// shows at every zoom.
void PaintVisitedMark(QPainter& painter, const QPointF& centre);

}  // namespace Drawing
