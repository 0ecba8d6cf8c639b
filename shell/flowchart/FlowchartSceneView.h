// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IFlowchartView.h"
#include "drawing/FlowchartFonts.h"
#include "drawing/FlowchartScene.h"

namespace TarnGui {

// The flowchart as its controller builds it, kept as a scene without a window.
class FlowchartSceneView : public TarnViewModel::IFlowchartView {
public:
    FlowchartSceneView();

    const FlowchartScene& Scene() const { return scene_; }
    const FlowchartFonts& Fonts() const { return fonts_; }

    std::pair<double, double> MeasureSection(std::uint32_t number, const std::wstring& label) override;
    void AddSectionNode(std::uint32_t number, const std::wstring& label, const TarnViewModel::Colour& colour, double left, double top,
                        double width, double height) override;
    void UpdateSectionNode(std::uint32_t number, const std::wstring& label, double width, double height) override;
    void AddChoiceEdge(const TarnViewModel::Uuid& id, const TarnViewModel::RoutePoints& points, bool hidden) override;
    void SetChoiceHidden(const TarnViewModel::Uuid& id, bool hidden) override;
    void BeginLayout() override {}
    void EndLayout() override {}
    void SetSectionPosition(std::uint32_t number, double left, double top) override;
    void SetChoicePoints(const TarnViewModel::Uuid& id, const TarnViewModel::RoutePoints& points) override;
    void RemoveSectionNode(std::uint32_t number) override;
    void RemoveChoiceEdge(const TarnViewModel::Uuid& id) override;
    // An image shows no selection.
    void SelectSectionNode(std::uint32_t) override {}
    void ClearSelection() override {}
    void SetGraphSize(int width, int height) override;
    void SetSectionColour(std::uint32_t number, const TarnViewModel::Colour& colour) override;
    void SetZoom(double, const std::wstring&) override {}
    void EnableZoomIn(bool) override {}
    void EnableZoomOut(bool) override {}
    void RenumberSectionNode(std::uint32_t oldNumber, std::uint32_t newNumber) override;
    void SwapSectionNodes(std::uint32_t a, std::uint32_t b) override;
    void RenumberSectionNodes(const TarnViewModel::NumberChanges& changes) override;
    void ClearAll() override;
    void SetFooterText(const std::wstring& footer) override;
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void ShowLayoutStatus(TarnViewModel::LayoutStatus, const std::wstring&) override {}

private:
    FlowchartScene scene_;
    FlowchartFonts fonts_;
};

}  // namespace TarnGui
