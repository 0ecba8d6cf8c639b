// SPDX-License-Identifier: MIT
#pragma once

#include "flowchart/FlowchartGraph.h"
#include "graph/Numbering.h"
#include "graph/RGBColour.h"

#include <string>
#include <utility>
#include <vector>

namespace TarnViewModel {

using Colour = CommonLib::ColourUtilities::RGBColour;
using RoutePoints = std::vector<Flowchart::RoutePoint>;

enum class LayoutStatus { Idle, Running, Failed };

// The flowchart pane as its controller sees it; sizes and positions are device units at
// zoom 100.
class IFlowchartView {
public:
    virtual ~IFlowchartView() = default;
    // The width and height that a box needs for its number line and label.
    virtual std::pair<double, double> MeasureSection(std::uint32_t number, const std::wstring& label) = 0;
    virtual void AddSectionNode(std::uint32_t number, const std::wstring& label, const Colour& colour, double left, double top,
                                double width, double height) = 0;
    virtual void UpdateSectionNode(std::uint32_t number, const std::wstring& label, double width, double height) = 0;
    virtual void AddChoiceEdge(const Uuid& id, const RoutePoints& points, bool hidden) = 0;
    virtual void SetChoiceHidden(const Uuid& id, bool hidden) = 0;
    virtual void BeginLayout() = 0;
    virtual void EndLayout() = 0;
    virtual void SetSectionPosition(std::uint32_t number, double left, double top) = 0;
    virtual void SetChoicePoints(const Uuid& id, const RoutePoints& points) = 0;
    virtual void RemoveSectionNode(std::uint32_t number) = 0;
    virtual void RemoveChoiceEdge(const Uuid& id) = 0;
    virtual void SelectSectionNode(std::uint32_t number) = 0;
    virtual void ClearSelection() = 0;
    virtual void SetGraphSize(int width, int height) = 0;
    virtual void SetSectionColour(std::uint32_t number, const Colour& colour) = 0;
    virtual void SetZoom(double factor, const std::wstring& text) = 0;
    virtual void EnableZoomIn(bool enable) = 0;
    virtual void EnableZoomOut(bool enable) = 0;
    virtual void RenumberSectionNode(std::uint32_t oldNumber, std::uint32_t newNumber) = 0;
    virtual void SwapSectionNodes(std::uint32_t a, std::uint32_t b) = 0;
    // Every listed box takes its new number at once; the numbers may pass among them.
    virtual void RenumberSectionNodes(const NumberChanges& changes) = 0;
    virtual void ClearAll() = 0;
    virtual void SetFooterText(const std::wstring& footer) = 0;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    // Whether a layout is under way, or why the last one failed (the chart keeps the one
    // before it).
    virtual void ShowLayoutStatus(LayoutStatus status, const std::wstring& error) = 0;
};

}  // namespace TarnViewModel
