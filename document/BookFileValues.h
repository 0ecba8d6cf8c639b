// SPDX-License-Identifier: MIT
#pragma once

#include "graph/RGBColour.h"

#include <cstdint>
#include <optional>
#include <string>

namespace TarnViewModel {

// The text forms of the values in a book file. Each reader gives nothing for a text it
// cannot read, so that the caller decides between a default and an error.
std::optional<std::uint32_t> ReadUnsigned(const std::wstring& text);
std::optional<std::int32_t> ReadSigned(const std::wstring& text);
std::optional<bool> ReadBoolean(const std::wstring& text);
std::optional<CommonLib::ColourUtilities::RGBColour> ReadColour(const std::wstring& text);

std::wstring BooleanText(bool value);

}  // namespace TarnViewModel
