// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace TarnViewModel {

struct FormattedChoice {
    std::wstring text;
    // Where the first destination number stands in the text, and how many digits it has.
    std::size_t destinationPosition = 0;
    std::size_t destinationLength = 0;
    bool hasDestination = false;
};

// Puts the choice text for every "{{text}}" in the format, then the destination for every
// "{{destination}}"; a placeholder inside the choice text is replaced too. A choice without
// a text is the part of the format after "{{text}}", from its first word, capitalised:
// "Turn to 131".
FormattedChoice FormatChoice(const std::wstring& text, std::uint32_t destination, const std::wstring& format);

}  // namespace TarnViewModel
