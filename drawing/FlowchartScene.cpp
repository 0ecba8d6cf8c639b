// SPDX-License-Identifier: MIT
#include "drawing/FlowchartScene.h"

#include <algorithm>
#include <vector>

namespace Drawing {

namespace {

QString NumberText(std::uint32_t number)
{
    return QString::number(number);
}

}  // namespace

const FlowchartBox* FlowchartScene::Box(std::uint32_t number) const
{
    const auto found = boxes.find(number);
    return found == boxes.end() ? nullptr : &found->second;
}

const FlowchartArrow* FlowchartScene::Arrow(const TarnViewModel::Uuid& id) const
{
    const auto found = arrows.find(id);
    return found == arrows.end() ? nullptr : &found->second;
}

void FlowchartScene::AddBox(std::uint32_t number, const QString& label, const QColor& fill, const QRectF& rect)
{
    FlowchartBox& box = boxes[number];
    box.numberText = NumberText(number);
    box.label = label;
    box.fill = fill;
    box.rect = rect;
}

void FlowchartScene::UpdateBox(std::uint32_t number, const QString& label, double width, double height)
{
    const auto found = boxes.find(number);
    if (found != boxes.end()) {
        found->second.label = label;
        found->second.rect.setSize(QSizeF(width, height));
    }
}

void FlowchartScene::RemoveBox(std::uint32_t number)
{
    boxes.erase(number);
}

void FlowchartScene::RenumberBox(std::uint32_t oldNumber, std::uint32_t newNumber)
{
    RenumberBoxes({{oldNumber, newNumber}});
}

void FlowchartScene::SwapBoxes(std::uint32_t a, std::uint32_t b)
{
    const auto first = boxes.find(a);
    const auto second = boxes.find(b);
    if (first == boxes.end() || second == boxes.end()) {
        return;
    }
    std::swap(first->second, second->second);
    first->second.numberText = NumberText(a);
    second->second.numberText = NumberText(b);
}

void FlowchartScene::RenumberBoxes(const TarnViewModel::NumberChanges& changes)
{
    std::vector<decltype(boxes)::node_type> moved;
    moved.reserve(changes.size());
    for (const TarnViewModel::NumberChange& change : changes) {
        moved.push_back(boxes.extract(change.from));
    }
    for (std::size_t index = 0; index < changes.size(); ++index) {
        if (!moved[index].empty()) {
            moved[index].key() = changes[index].to;
            moved[index].mapped().numberText = NumberText(changes[index].to);
            boxes.erase(changes[index].to);
            boxes.insert(std::move(moved[index]));
        }
    }
}

void FlowchartScene::SetBoxColour(std::uint32_t number, const QColor& fill)
{
    const auto found = boxes.find(number);
    if (found != boxes.end()) {
        found->second.fill = fill;
    }
}

void FlowchartScene::MoveBox(std::uint32_t number, double left, double top)
{
    const auto found = boxes.find(number);
    if (found != boxes.end()) {
        found->second.rect.moveTo(left, top);
    }
}

void FlowchartScene::SetBoxSelected(std::uint32_t number, bool selected)
{
    const auto found = boxes.find(number);
    if (found != boxes.end()) {
        found->second.selected = selected;
    }
}

void FlowchartScene::AddArrow(const TarnViewModel::Uuid& id, const QPolygonF& points, bool hidden)
{
    FlowchartArrow& arrow = arrows[id];
    arrow.points = points;
    arrow.bounds = PointBounds(points);
    arrow.hidden = hidden;
}

void FlowchartScene::SetArrowPoints(const TarnViewModel::Uuid& id, const QPolygonF& points)
{
    const auto found = arrows.find(id);
    if (found != arrows.end()) {
        found->second.points = points;
        found->second.bounds = PointBounds(points);
    }
}

void FlowchartScene::SetArrowHidden(const TarnViewModel::Uuid& id, bool hidden)
{
    const auto found = arrows.find(id);
    if (found != arrows.end()) {
        found->second.hidden = hidden;
    }
}

void FlowchartScene::RemoveArrow(const TarnViewModel::Uuid& id)
{
    arrows.erase(id);
}

void FlowchartScene::Clear()
{
    boxes.clear();
    arrows.clear();
    graphWidth = 1;
    graphHeight = 1;
}

QRectF PointBounds(const QPolygonF& points)
{
    if (points.isEmpty()) {
        return {};
    }
    double left = points[0].x();
    double right = left;
    double top = points[0].y();
    double bottom = top;
    for (const QPointF& point : points) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        top = std::min(top, point.y());
        bottom = std::max(bottom, point.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPolygonF ToPolygon(const std::vector<Flowchart::RoutePoint>& points)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Flowchart::RoutePoint& point : points) {
        polygon << QPointF(static_cast<float>(point.x), static_cast<float>(point.y));
    }
    return polygon;
}

}  // namespace Drawing
