// SPDX-License-Identifier: MIT
#include "shell/flowchart/FlowchartSceneView.h"

#include "drawing/FlowchartPainter.h"
#include "drawing/QtColour.h"
#include "drawing/QtText.h"

namespace TarnGui {

FlowchartSceneView::FlowchartSceneView() : fonts_(FlowchartFonts::Create()) {}

std::pair<double, double> FlowchartSceneView::MeasureSection(std::uint32_t number, const std::wstring& label)
{
    const QSizeF size = MeasureBox(fonts_, QString::number(number), ToQString(label));
    return {size.width(), size.height()};
}

void FlowchartSceneView::AddSectionNode(std::uint32_t number, const std::wstring& label, const TarnViewModel::Colour& colour, double left,
                                        double top, double width, double height)
{
    scene_.AddBox(number, ToQString(label), ToQColor(colour), QRectF(left, top, width, height));
}

void FlowchartSceneView::UpdateSectionNode(std::uint32_t number, const std::wstring& label, double width, double height)
{
    scene_.UpdateBox(number, ToQString(label), width, height);
}

void FlowchartSceneView::AddChoiceEdge(const TarnViewModel::Uuid& id, const TarnViewModel::RoutePoints& points, bool hidden)
{
    scene_.AddArrow(id, ToPolygon(points), hidden);
}

void FlowchartSceneView::SetChoiceHidden(const TarnViewModel::Uuid& id, bool hidden)
{
    scene_.SetArrowHidden(id, hidden);
}

void FlowchartSceneView::SetSectionPosition(std::uint32_t number, double left, double top)
{
    scene_.MoveBox(number, left, top);
}

void FlowchartSceneView::SetChoicePoints(const TarnViewModel::Uuid& id, const TarnViewModel::RoutePoints& points)
{
    scene_.SetArrowPoints(id, ToPolygon(points));
}

void FlowchartSceneView::RemoveSectionNode(std::uint32_t number)
{
    scene_.RemoveBox(number);
}

void FlowchartSceneView::RemoveChoiceEdge(const TarnViewModel::Uuid& id)
{
    scene_.RemoveArrow(id);
}

void FlowchartSceneView::SetGraphSize(int width, int height)
{
    scene_.graphWidth = width;
    scene_.graphHeight = height;
}

void FlowchartSceneView::SetSectionColour(std::uint32_t number, const TarnViewModel::Colour& colour)
{
    scene_.SetBoxColour(number, ToQColor(colour));
}

void FlowchartSceneView::RenumberSectionNode(std::uint32_t oldNumber, std::uint32_t newNumber)
{
    scene_.RenumberBox(oldNumber, newNumber);
}

void FlowchartSceneView::SwapSectionNodes(std::uint32_t a, std::uint32_t b)
{
    scene_.SwapBoxes(a, b);
}

void FlowchartSceneView::RenumberSectionNodes(const TarnViewModel::NumberChanges& changes)
{
    scene_.RenumberBoxes(changes);
}

void FlowchartSceneView::ClearAll()
{
    scene_.Clear();
}

void FlowchartSceneView::SetFooterText(const std::wstring& footer)
{
    scene_.footer = ToQString(footer);
}

}  // namespace TarnGui
