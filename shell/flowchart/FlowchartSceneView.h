// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IFlowchartView.h"
#include "drawing/FlowchartFonts.h"
#include "drawing/FlowchartScene.h"

namespace TarnGui {

// The flowchart as its controller builds it, kept as a scene. The chart pane adds the
// window to it: what changed is painted again, and the selection, zoom and status are shown.
class FlowchartSceneView : public TarnViewModel::IFlowchartView {
public:
    FlowchartSceneView();

    const Drawing::FlowchartScene& Scene() const { return scene_; }
    const Drawing::FlowchartFonts& Fonts() const { return fonts_; }

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
    void SelectSectionNode(std::uint32_t number) override;
    void ClearSelection() override;
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

protected:
    // A box or an arrow is about to change or has changed, where it is painted then.
    virtual void BoxChanged(const Drawing::FlowchartBox&) {}
    virtual void ArrowChanged(const Drawing::FlowchartArrow&) {}
    // Boxes took other numbers, or the whole chart changed.
    virtual void BoxesRenumbered(const TarnViewModel::NumberChanges&) {}
    virtual void ChartChanged() {}

private:
    template <class Change>
    void ChangeBox(std::uint32_t number, Change change);
    template <class Change>
    void ChangeArrow(const TarnViewModel::Uuid& id, Change change);

    Drawing::FlowchartScene scene_;
    Drawing::FlowchartFonts fonts_;
};

}  // namespace TarnGui
