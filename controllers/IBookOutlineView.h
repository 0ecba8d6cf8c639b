// SPDX-License-Identifier: MIT
#pragma once

#include "graph/RGBColour.h"

#include <cstdint>
#include <functional>
#include <string>

namespace TarnViewModel {

// The outline pane: one entry per number from 1 to the highest section number.
class IBookOutlineView {
public:
    virtual ~IBookOutlineView() = default;
    virtual void SetOutlineEntry(std::uint32_t number, const std::wstring& text, const CommonLib::ColourUtilities::RGBColour& colour,
                                 bool isSection) = 0;
    virtual void SelectOutlineEntry(std::uint32_t number) = 0;
    virtual void RemoveOutlineEntry(std::uint32_t number) = 0;
    virtual void ClearOutline() = 0;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    // Runs the step once the events waiting now are handled.
    virtual void RunSoon(std::function<void()> step) = 0;
};

}  // namespace TarnViewModel
