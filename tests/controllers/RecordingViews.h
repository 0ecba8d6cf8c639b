// SPDX-License-Identifier: MIT
#pragma once

#include "DeferredSteps.h"
#include "controllers/IBookOutlineView.h"
#include "controllers/IBookPropertiesView.h"
#include "controllers/IChoicesView.h"
#include "controllers/IFlowchartView.h"
#include "controllers/IFrameworkView.h"
#include "controllers/ISectionView.h"

#include <boost/uuid/uuid_io.hpp>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace TestSupport {

// Views that write every call down as one line of text, so that tests compare the calls
// a controller made, in order, with what they expect.
class CallLog {
public:
    const std::vector<std::string>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }
    bool Contains(const std::string& call) const { return std::find(calls_.begin(), calls_.end(), call) != calls_.end(); }
    std::size_t Count(const std::string& prefix) const
    {
        return static_cast<std::size_t>(
            std::count_if(calls_.begin(), calls_.end(), [&](const std::string& call) { return call.rfind(prefix, 0) == 0; }));
    }

protected:
    template <typename... Arguments>
    void Log(const char* name, const Arguments&... arguments)
    {
        std::ostringstream line;
        line << name;
        [[maybe_unused]] const char* separator = " ";
        ((line << separator << Text(arguments), separator = ","), ...);
        calls_.push_back(line.str());
    }

private:
    template <typename Value>
    static std::string Text(const Value& value)
    {
        std::ostringstream text;
        if constexpr (std::is_same_v<Value, std::wstring>) {
            text << std::string(value.begin(), value.end());
        } else if constexpr (std::is_same_v<Value, bool>) {
            text << (value ? "true" : "false");
        } else {
            text << value;
        }
        return text.str();
    }

    std::vector<std::string> calls_;
};

class RecordingFrameworkView : public TarnViewModel::IFrameworkView, public CallLog {
public:
    void SetSectionSelected(bool selected) override { Log("SetSectionSelected", selected); }
    void SetBookHasSections(bool hasSections) override { Log("SetBookHasSections", hasSections); }
    void SetUndoRedoState(bool canUndo, bool canRedo) override { Log("SetUndoRedoState", canUndo, canRedo); }
    void OnBookReset() override { Log("OnBookReset"); }
    bool AskSaveChanges() override
    {
        Log("AskSaveChanges");
        if (onAsk) {
            onAsk();
        }
        return answer;
    }
    std::pair<bool, std::wstring> AskSaveFileName(const std::wstring& currentPath) override
    {
        Log("AskSaveFileName", currentPath);
        return {false, L""};
    }

    bool answer = true;
    std::function<void()> onAsk;
};

class RecordingFlowchartView : public TarnViewModel::IFlowchartView, public CallLog {
public:
    using Colour = TarnViewModel::Colour;
    using RoutePoints = TarnViewModel::RoutePoints;
    using Uuid = TarnViewModel::Uuid;

    std::pair<double, double> MeasureSection(std::uint32_t number, const std::wstring& label) override
    {
        Log("MeasureSection", number, label);
        return measured;
    }
    void AddSectionNode(std::uint32_t number, const std::wstring& label, const Colour&, double left, double top, double width,
                        double height) override
    {
        Log("AddSectionNode", number, label, left, top, width, height);
    }
    void UpdateSectionNode(std::uint32_t number, const std::wstring& label, double width, double height) override
    {
        Log("UpdateSectionNode", number, label, width, height);
    }
    void AddChoiceEdge(const Uuid&, const RoutePoints& points, bool hidden) override { Log("AddChoiceEdge", points.size(), hidden); }
    void SetChoiceHidden(const Uuid&, bool hidden) override { Log("SetChoiceHidden", hidden); }
    void BeginLayout() override { Log("BeginLayout"); }
    void EndLayout() override { Log("EndLayout"); }
    void SetSectionPosition(std::uint32_t number, double, double) override { Log("SetSectionPosition", number); }
    void SetChoicePoints(const Uuid&, const RoutePoints& points) override { Log("SetChoicePoints", points.empty() ? "empty" : "route"); }
    void RemoveSectionNode(std::uint32_t number) override { Log("RemoveSectionNode", number); }
    void RemoveChoiceEdge(const Uuid&) override { Log("RemoveChoiceEdge"); }
    void SelectSectionNode(std::uint32_t number) override { Log("SelectSectionNode", number); }
    void ClearSelection() override { Log("ClearSelection"); }
    void SetGraphSize(int width, int height) override
    {
        graphSize = {width, height};
        Log("SetGraphSize");
    }
    void SetSectionColour(std::uint32_t number, const Colour&) override { Log("SetSectionColour", number); }
    void SetZoom(double factor, const std::wstring& text) override { Log("SetZoom", factor, text); }
    void EnableZoomIn(bool enable) override { Log("EnableZoomIn", enable); }
    void EnableZoomOut(bool enable) override { Log("EnableZoomOut", enable); }
    void RenumberSectionNode(std::uint32_t from, std::uint32_t to) override { Log("RenumberSectionNode", from, to); }
    void SwapSectionNodes(std::uint32_t a, std::uint32_t b) override { Log("SwapSectionNodes", a, b); }
    void RenumberSectionNodes(const TarnViewModel::NumberChanges& changes) override { Log("RenumberSectionNodes", changes.size()); }

    std::pair<int, int> graphSize;
    void ClearAll() override { Log("ClearAll"); }
    void SetFooterText(const std::wstring& footer) override { Log("SetFooterText", footer); }
    void BeginUpdate() override { Log("BeginUpdate"); }
    void EndUpdate() override { Log("EndUpdate"); }
    // Kept apart from the calls, which the tests compare whole.
    void ShowLayoutStatus(TarnViewModel::LayoutStatus shown, const std::wstring& error) override
    {
        status = shown;
        statusError = error;
    }

    std::pair<double, double> measured{30.0, 20.0};
    TarnViewModel::LayoutStatus status = TarnViewModel::LayoutStatus::Idle;
    std::wstring statusError;
};

class RecordingOutlineView : public TarnViewModel::IBookOutlineView, public CallLog, public DeferredSteps {
public:
    void SetOutlineEntry(std::uint32_t number, const std::wstring& text, const CommonLib::ColourUtilities::RGBColour&,
                         bool isSection) override
    {
        Log("SetOutlineEntry", number, text, isSection);
    }
    void SelectOutlineEntry(std::uint32_t number) override { Log("SelectOutlineEntry", number); }
    void RemoveOutlineEntry(std::uint32_t number) override { Log("RemoveOutlineEntry", number); }
    void ClearOutline() override { Log("ClearOutline"); }
    void BeginUpdate() override { Log("BeginUpdate"); }
    void EndUpdate() override { Log("EndUpdate"); }
    void RunSoon(std::function<void()> step) override { steps.push_back(std::move(step)); }
};

class RecordingSectionView : public TarnViewModel::ISectionView, public CallLog {
public:
    void ShowSection(std::uint32_t number, const std::wstring& text) override { Log("ShowSection", number, text); }
    void EnableEditing(bool enable) override { Log("EnableEditing", enable); }
    void ShowSectionNumber(std::uint32_t number) override { Log("ShowSectionNumber", number); }
    void ShowSectionText(const std::wstring& text) override { Log("ShowSectionText", text); }
    void ShowSectionColour(const CommonLib::ColourUtilities::RGBColour&) override { Log("ShowSectionColour"); }
    void CommitText() override { Log("CommitText"); }
    void ClearSection() override { Log("ClearSection"); }
    void ShowTextFont(const CommonLib::Font& font) override { Log("ShowTextFont", font.faceName, font.size); }
};

class RecordingSectionPropertiesView : public TarnViewModel::ISectionPropertiesView, public CallLog {
public:
    void EnableProperties(bool enable) override { Log("EnableProperties", enable); }
    void ShowSectionNumber(std::uint32_t number) override { Log("ShowSectionNumber", number); }
    void ShowSummary(const std::wstring& summary) override { Log("ShowSummary", summary); }
    void ShowShiftable(bool shiftable) override { Log("ShowShiftable", shiftable); }
    void ShowSectionColour(const CommonLib::ColourUtilities::RGBColour&) override { Log("ShowSectionColour"); }
    void ClearProperties() override { Log("ClearProperties"); }
};

class RecordingChoicesView : public TarnViewModel::IChoicesView, public CallLog {
public:
    using Uuid = TarnViewModel::Uuid;

    void AddChoiceRow(const Uuid&, std::size_t index, std::uint32_t destination, const std::wstring& text) override
    {
        Log("AddChoiceRow", index, destination, text);
    }
    void UpdateChoiceRow(const Uuid&, std::size_t index, std::uint32_t destination, const std::wstring& text) override
    {
        Log("UpdateChoiceRow", index, destination, text);
    }
    void RemoveChoiceRow(const Uuid&) override { Log("RemoveChoiceRow"); }
    void ClearChoiceRows() override { Log("ClearChoiceRows"); }
    void EnableChoices(bool enable) override { Log("EnableChoices", enable); }
    void ShowAddChoiceDialog(const TarnViewModel::DestinationList& destinations, std::uint32_t proposed) override
    {
        Log("ShowAddChoiceDialog", destinations.size(), proposed);
    }
    void ShowEditChoiceDialog(const TarnViewModel::DestinationList& destinations, const TarnViewModel::Choice& choice) override
    {
        Log("ShowEditChoiceDialog", destinations.size(), choice.text);
    }
    void EnableMoveChoiceDown(bool enable) override { Log("EnableMoveChoiceDown", enable); }
    void EnableMoveChoiceUp(bool enable) override { Log("EnableMoveChoiceUp", enable); }
};

class RecordingBookPropertiesView : public TarnViewModel::IBookPropertiesView, public CallLog {
public:
    void ShowTitle(const std::wstring& title) override { Log("ShowTitle", title); }
    void ShowDetails(const TarnViewModel::BookDetails& details) override { Log("ShowDetails", details.author, details.language); }
    void ShowFooter(const std::wstring& footer) override { Log("ShowFooter", footer); }
    void ClearProperties() override { Log("ClearProperties"); }
    void ShowMainFont(const CommonLib::Font& font) override { Log("ShowMainFont", font.faceName, font.size); }
    void ShowHeaderFont(const CommonLib::Font& font) override { Log("ShowHeaderFont", font.faceName, font.size); }
    void ShowFooterFont(const CommonLib::Font& font) override { Log("ShowFooterFont", font.faceName, font.size); }
    void ShowNewPagePerSection(bool newPage) override { Log("ShowNewPagePerSection", newPage); }
    void AddChoiceTemplateOption(const TarnViewModel::ChoiceTemplate& option) override { Log("AddChoiceTemplateOption", option.name); }
    void ShowChoiceFormat(const std::wstring& name, const std::wstring& format, bool editable) override
    {
        Log("ShowChoiceFormat", name, format, editable);
    }
};

}  // namespace TestSupport
