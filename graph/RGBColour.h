// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace CommonLib::ColourUtilities {

struct RGBColour {
    std::uint8_t red = 255;
    std::uint8_t green = 255;
    std::uint8_t blue = 255;

    bool operator==(const RGBColour&) const = default;
};

// "#rrggbb" in lower-case hexadecimal, red first.
std::wstring ToString(const RGBColour& colour);

}  // namespace CommonLib::ColourUtilities
