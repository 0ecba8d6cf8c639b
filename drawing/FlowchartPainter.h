// SPDX-License-Identifier: MIT
#pragma once

#include "drawing/FlowchartFonts.h"
#include "drawing/FlowchartScene.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace Drawing {

// Document units equal device units at zoom 100; the chart keeps this margin on the top
// and the left.
constexpr double ChartMargin = 10.0;

// White text on dark fills, black on light ones, by the fill's luminance.
QColor TextColourFor(const QColor& fill);
// Zoom factors map to whole percentages, as the chart's mapping mode rounds them.
double ChartScale(double zoom);
// The width and height a box needs for its number line and its label.
QSizeF MeasureBox(const FlowchartFonts& fonts, const QString& numberText, const QString& label);
QSizeF MeasureFooter(const FlowchartFonts& fonts, const QString& footer);
// The areas that must be repainted when a box or an arrow changes, with their outlines.
QRectF BoxPaintArea(const FlowchartBox& box);
QRectF ArrowPaintArea(const FlowchartArrow& arrow);

// Draws every box in ascending number, then every arrow over them, skipping what lies
// outside the clip area (document units). The painter's transform maps document units.
void PaintScene(QPainter& painter, const FlowchartScene& scene, const FlowchartFonts& fonts, const QRectF& clip, bool showSelection);

}  // namespace Drawing
