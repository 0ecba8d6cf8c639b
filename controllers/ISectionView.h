// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"
#include "graph/RGBColour.h"

#include <cstdint>
#include <string>

namespace TarnViewModel {

// The section editor.
class ISectionView {
public:
    virtual ~ISectionView() = default;
    virtual void ShowSection(std::uint32_t number, const std::wstring& text) = 0;
    virtual void EnableEditing(bool enable) = 0;
    virtual void ShowSectionNumber(std::uint32_t number) = 0;
    virtual void ShowSectionText(const std::wstring& text) = 0;
    virtual void ShowSectionColour(const CommonLib::ColourUtilities::RGBColour& colour) = 0;
    // Turns text typed but not yet handed over into an undoable text update.
    virtual void CommitText() = 0;
    virtual void ClearSection() = 0;
    virtual void ShowTextFont(const CommonLib::Font& font) = 0;
};

// The section properties pane.
class ISectionPropertiesView {
public:
    virtual ~ISectionPropertiesView() = default;
    virtual void EnableProperties(bool enable) = 0;
    virtual void ShowSectionNumber(std::uint32_t number) = 0;
    virtual void ShowSummary(const std::wstring& summary) = 0;
    virtual void ShowShiftable(bool shiftable) = 0;
    virtual void ShowSectionColour(const CommonLib::ColourUtilities::RGBColour& colour) = 0;
    virtual void ClearProperties() = 0;
};

}  // namespace TarnViewModel
