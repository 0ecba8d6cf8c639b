// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace Spelling {

// Where a word lies in a text, in characters (one code point each).
struct WordSpan {
    std::size_t start = 0;
    std::size_t length = 0;

    bool operator==(const WordSpan&) const = default;
};

// The words of a text worth checking for spelling, by the Unicode rules for word breaks:
// "don't" and "author’s" are one word each, "well-known" is two, and numbers, words with
// digits in them ("3rd", "B52"), punctuation and symbols such as emoji are left out.
std::vector<WordSpan> FindWords(std::wstring_view text);

}  // namespace Spelling
