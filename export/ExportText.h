// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"

#include <cstdint>
#include <string>
#include <vector>

namespace TarnViewModel {

// Text helpers shared by the exporters.
std::string Utf8(const std::wstring& text);
// The text in UTF-8 as XML character data or an attribute value: markup characters as
// references, and characters XML cannot hold at all (most control characters, lone
// surrogates) left out.
std::string XmlEscaped(const std::wstring& text);
// CR LF pairs, the line breaks of editor text, reduced to LF.
std::wstring ReducedLineBreaks(const std::wstring& text);
// The pieces between CR LF pairs, empty ones included: an empty text is one empty piece.
std::vector<std::wstring> PiecesBetweenLineBreaks(const std::wstring& text);
// A font size in decimal, times the factor, never negative whatever size a file held.
std::string FontSizeText(std::int32_t size, std::int64_t factor = 1);

}  // namespace TarnViewModel
