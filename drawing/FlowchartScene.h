// SPDX-License-Identifier: MIT
#pragma once

#include "flowchart/FlowchartGraph.h"
#include "graph/Numbering.h"
#include "graph/Uuid.h"

#include <QColor>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <map>
#include <vector>

namespace Drawing {

struct FlowchartBox {
    QString numberText;
    QString label;
    QRectF rect;
    QColor fill = Qt::white;
    bool selected = false;
};

struct FlowchartArrow {
    QPolygonF points;
    QRectF bounds;
    bool hidden = false;
};

// What the flowchart shows, in document units. Changes to a box or an arrow that is not
// there are ignored, as a layout may name one that has just gone.
struct FlowchartScene {
    std::map<std::uint32_t, FlowchartBox> boxes;
    std::map<TarnViewModel::Uuid, FlowchartArrow> arrows;
    int graphWidth = 1;
    int graphHeight = 1;
    QString footer;

    const FlowchartBox* Box(std::uint32_t number) const;
    const FlowchartArrow* Arrow(const TarnViewModel::Uuid& id) const;

    void AddBox(std::uint32_t number, const QString& label, const QColor& fill, const QRectF& rect);
    void UpdateBox(std::uint32_t number, const QString& label, double width, double height);
    void RemoveBox(std::uint32_t number);
    void RenumberBox(std::uint32_t oldNumber, std::uint32_t newNumber);
    void SwapBoxes(std::uint32_t a, std::uint32_t b);
    void RenumberBoxes(const TarnViewModel::NumberChanges& changes);
    void SetBoxColour(std::uint32_t number, const QColor& fill);
    void MoveBox(std::uint32_t number, double left, double top);
    void SetBoxSelected(std::uint32_t number, bool selected);
    void AddArrow(const TarnViewModel::Uuid& id, const QPolygonF& points, bool hidden);
    void SetArrowPoints(const TarnViewModel::Uuid& id, const QPolygonF& points);
    void SetArrowHidden(const TarnViewModel::Uuid& id, bool hidden);
    void RemoveArrow(const TarnViewModel::Uuid& id);
    void Clear();
};

QRectF PointBounds(const QPolygonF& points);
QPolygonF ToPolygon(const std::vector<Flowchart::RoutePoint>& points);

}  // namespace Drawing
