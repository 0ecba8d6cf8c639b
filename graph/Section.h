// SPDX-License-Identifier: MIT
#pragma once

#include "graph/RGBColour.h"
#include "graph/Uuid.h"

#include <cstdint>
#include <string>

namespace TarnViewModel {

struct Section {
    Uuid id = NewId();
    std::uint32_t number = 0;
    std::wstring summary;
    std::wstring text;
    bool shiftable = true;
    CommonLib::ColourUtilities::RGBColour backgroundColour;

    bool operator==(const Section&) const = default;
};

// The number that stands for "no section selected".
inline constexpr std::uint32_t NoSection = 0xFFFFFFFFu;

}  // namespace TarnViewModel
