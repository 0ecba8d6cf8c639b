// SPDX-License-Identifier: MIT
#include "graph/RGBColour.h"

namespace CommonLib::ColourUtilities {

std::wstring ToString(const RGBColour& colour)
{
    static constexpr wchar_t digits[] = L"0123456789abcdef";
    std::wstring text = L"#";
    for (std::uint8_t component : {colour.red, colour.green, colour.blue}) {
        text += digits[component >> 4];
        text += digits[component & 0x0f];
    }
    return text;
}

}  // namespace CommonLib::ColourUtilities
