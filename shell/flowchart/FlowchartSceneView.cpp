// SPDX-License-Identifier: MIT
#include "shell/flowchart/FlowchartSceneView.h"

#include "drawing/FlowchartPainter.h"
#include "drawing/QtColour.h"
#include "drawing/QtText.h"

namespace TarnGui {

FlowchartSceneView::FlowchartSceneView() : fonts_(Drawing::FlowchartFonts::Create()) {}

template <class Change>
void FlowchartSceneView::ChangeBox(std::uint32_t number, Change change)
{
    if (const Drawing::FlowchartBox* before = scene_.Box(number)) {
        BoxChanged(*before);
    }
    change();
    if (const Drawing::FlowchartBox* after = scene_.Box(number)) {
        BoxChanged(*after);
    }
}

template <class Change>
void FlowchartSceneView::ChangeArrow(const TarnViewModel::Uuid& id, Change change)
{
    if (const Drawing::FlowchartArrow* before = scene_.Arrow(id)) {
        ArrowChanged(*before);
    }
    change();
    if (const Drawing::FlowchartArrow* after = scene_.Arrow(id)) {
        ArrowChanged(*after);
    }
}

std::pair<double, double> FlowchartSceneView::MeasureSection(std::uint32_t number, const std::wstring& label)
{
    const QSizeF size = Drawing::MeasureBox(fonts_, QString::number(number), Drawing::ToQString(label));
    return {size.width(), size.height()};
}

void FlowchartSceneView::AddSectionNode(std::uint32_t number, const std::wstring& label, const TarnViewModel::Colour& colour, double left,
                                        double top, double width, double height)
{
    ChangeBox(number,
              [&] { scene_.AddBox(number, Drawing::ToQString(label), Drawing::ToQColor(colour), QRectF(left, top, width, height)); });
}

void FlowchartSceneView::UpdateSectionNode(std::uint32_t number, const std::wstring& label, double width, double height)
{
    ChangeBox(number, [&] { scene_.UpdateBox(number, Drawing::ToQString(label), width, height); });
}

void FlowchartSceneView::AddChoiceEdge(const TarnViewModel::Uuid& id, const TarnViewModel::RoutePoints& points, bool hidden)
{
    ChangeArrow(id, [&] { scene_.AddArrow(id, Drawing::ToPolygon(points), hidden); });
}

void FlowchartSceneView::SetChoiceHidden(const TarnViewModel::Uuid& id, bool hidden)
{
    ChangeArrow(id, [&] { scene_.SetArrowHidden(id, hidden); });
}

void FlowchartSceneView::SetSectionPosition(std::uint32_t number, double left, double top)
{
    ChangeBox(number, [&] { scene_.MoveBox(number, left, top); });
}

void FlowchartSceneView::SetChoicePoints(const TarnViewModel::Uuid& id, const TarnViewModel::RoutePoints& points)
{
    ChangeArrow(id, [&] { scene_.SetArrowPoints(id, Drawing::ToPolygon(points)); });
}

void FlowchartSceneView::RemoveSectionNode(std::uint32_t number)
{
    ChangeBox(number, [&] { scene_.RemoveBox(number); });
}

void FlowchartSceneView::RemoveChoiceEdge(const TarnViewModel::Uuid& id)
{
    ChangeArrow(id, [&] { scene_.RemoveArrow(id); });
}

void FlowchartSceneView::SelectSectionNode(std::uint32_t number)
{
    ChangeBox(number, [&] { scene_.SetBoxSelected(number, true); });
}

void FlowchartSceneView::ClearSelection()
{
    for (auto& [number, box] : scene_.boxes) {
        if (box.selected) {
            box.selected = false;
            BoxChanged(box);
        }
    }
}

void FlowchartSceneView::SetGraphSize(int width, int height)
{
    scene_.graphWidth = width;
    scene_.graphHeight = height;
}

void FlowchartSceneView::SetSectionColour(std::uint32_t number, const TarnViewModel::Colour& colour)
{
    ChangeBox(number, [&] { scene_.SetBoxColour(number, Drawing::ToQColor(colour)); });
}

void FlowchartSceneView::RenumberSectionNode(std::uint32_t oldNumber, std::uint32_t newNumber)
{
    RenumberSectionNodes({{oldNumber, newNumber}});
}

void FlowchartSceneView::SwapSectionNodes(std::uint32_t a, std::uint32_t b)
{
    scene_.SwapBoxes(a, b);
    BoxesRenumbered({{a, b}, {b, a}});
    for (const std::uint32_t number : {a, b}) {
        if (const Drawing::FlowchartBox* box = scene_.Box(number)) {
            BoxChanged(*box);
        }
    }
}

void FlowchartSceneView::RenumberSectionNodes(const TarnViewModel::NumberChanges& changes)
{
    scene_.RenumberBoxes(changes);
    BoxesRenumbered(changes);
    ChartChanged();
}

void FlowchartSceneView::ClearAll()
{
    scene_.Clear();
    ChartChanged();
}

void FlowchartSceneView::SetFooterText(const std::wstring& footer)
{
    scene_.footer = Drawing::ToQString(footer);
    ChartChanged();
}

}  // namespace TarnGui
