// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IBookOutlineView.h"
#include "controllers/IBookPreviewView.h"
#include "controllers/IBookPropertiesView.h"
#include "controllers/IChoicesView.h"
#include "controllers/IFlowchartView.h"
#include "controllers/IFrameworkView.h"
#include "controllers/ISectionView.h"

namespace BenchSupport {

using namespace TarnViewModel;
using CommonLib::Font;
using CommonLib::ColourUtilities::RGBColour;

// Views that do nothing, so that the benchmarks measure the controllers and the layout.
struct NullFrameworkView : IFrameworkView {
    void SetSectionSelected(bool) override {}
    void SetBookHasSections(bool) override {}
    void SetUndoRedoState(bool, bool) override {}
    void OnBookReset() override {}
    bool AskSaveChanges() override { return true; }
    std::pair<bool, std::wstring> AskSaveFileName(const std::wstring&) override { return {false, L""}; }
};

struct NullFlowchartView : IFlowchartView {
    std::pair<double, double> MeasureSection(std::uint32_t, const std::wstring&) override { return {80, 50}; }
    void AddSectionNode(std::uint32_t, const std::wstring&, const Colour&, double, double, double, double) override {}
    void UpdateSectionNode(std::uint32_t, const std::wstring&, double, double) override {}
    void AddChoiceEdge(const Uuid&, const RoutePoints&, bool) override {}
    void SetChoiceHidden(const Uuid&, bool) override {}
    void BeginLayout() override {}
    void EndLayout() override {}
    void SetSectionPosition(std::uint32_t, double, double) override {}
    void SetChoicePoints(const Uuid&, const RoutePoints&) override {}
    void RemoveSectionNode(std::uint32_t) override {}
    void RemoveChoiceEdge(const Uuid&) override {}
    void SelectSectionNode(std::uint32_t) override {}
    void ClearSelection() override {}
    void SetGraphSize(int, int) override {}
    void SetSectionColour(std::uint32_t, const Colour&) override {}
    void SetZoom(double, const std::wstring&) override {}
    void EnableZoomIn(bool) override {}
    void EnableZoomOut(bool) override {}
    void RenumberSectionNode(std::uint32_t, std::uint32_t) override {}
    void SwapSectionNodes(std::uint32_t, std::uint32_t) override {}
    void RenumberSectionNodes(const NumberChanges&) override {}
    void ClearAll() override {}
    void SetFooterText(const std::wstring&) override {}
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void ShowLayoutStatus(LayoutStatus, const std::wstring&) override {}
};

struct NullOutlineView : IBookOutlineView {
    void SetOutlineEntry(std::uint32_t, const std::wstring&, const RGBColour&, bool) override {}
    void SelectOutlineEntry(std::uint32_t) override {}
    void RemoveOutlineEntry(std::uint32_t) override {}
    void ClearOutline() override {}
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void RunSoon(std::function<void()> step) override { step(); }
};

struct NullPreviewView : IBookPreviewView {
    void ReplaceText(std::size_t, std::size_t, const std::wstring&) override {}
    void SetAllText(const std::wstring&, const std::vector<TextRange>&, const std::vector<TextRange>&) override {}
    void AppendText(const std::wstring&, const std::vector<TextRange>&, const std::vector<TextRange>&) override {}
    void RunSoon(std::function<void()> step) override { step(); }
    void FormatRange(std::size_t, std::size_t, const Font&) override {}
    void FormatRangeAndHome(std::size_t, std::size_t) override {}
    void FormatAll(const Font&) override {}
    void ClearPreview() override {}
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void ScrollToCharacter(std::size_t) override {}
};

struct NullSectionView : ISectionView {
    void ShowSection(std::uint32_t, const std::wstring&) override {}
    void EnableEditing(bool) override {}
    void ShowSectionNumber(std::uint32_t) override {}
    void ShowSectionText(const std::wstring&) override {}
    void ShowSectionColour(const RGBColour&) override {}
    void CommitText() override {}
    void ClearSection() override {}
    void ShowTextFont(const Font&) override {}
};

struct NullSectionPropertiesView : ISectionPropertiesView {
    void EnableProperties(bool) override {}
    void ShowSectionNumber(std::uint32_t) override {}
    void ShowSummary(const std::wstring&) override {}
    void ShowShiftable(bool) override {}
    void ShowSectionColour(const RGBColour&) override {}
    void ClearProperties() override {}
};

struct NullChoicesView : IChoicesView {
    void AddChoiceRow(const Uuid&, std::size_t, std::uint32_t, const std::wstring&) override {}
    void UpdateChoiceRow(const Uuid&, std::size_t, std::uint32_t, const std::wstring&) override {}
    void RemoveChoiceRow(const Uuid&) override {}
    void ClearChoiceRows() override {}
    void EnableChoices(bool) override {}
    void ShowAddChoiceDialog(const DestinationList&, std::uint32_t) override {}
    void ShowEditChoiceDialog(const DestinationList&, const Choice&) override {}
    void EnableMoveChoiceDown(bool) override {}
    void EnableMoveChoiceUp(bool) override {}
};

struct NullBookPropertiesView : IBookPropertiesView {
    void ShowTitle(const std::wstring&) override {}
    void ShowDetails(const BookDetails&) override {}
    void ShowFooter(const std::wstring&) override {}
    void ClearProperties() override {}
    void ShowMainFont(const Font&) override {}
    void ShowHeaderFont(const Font&) override {}
    void ShowFooterFont(const Font&) override {}
    void ShowNewPagePerSection(bool) override {}
    void AddChoiceTemplateOption(const ChoiceTemplate&) override {}
    void ShowChoiceFormat(const std::wstring&, const std::wstring&, bool) override {}
};

}  // namespace BenchSupport
