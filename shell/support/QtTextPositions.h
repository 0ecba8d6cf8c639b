// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace TarnGui {

// Converts positions in a text counted in characters (the document's wide strings, one code
// point each) into positions in a Qt text document, which counts UTF-16 units, where a
// character beyond the Basic Multilingual Plane takes two, and which turns a CR LF pair
// within one insertion into a single paragraph break. It keeps only where the two counts
// part, so a conversion costs a binary search and an edit a pass over the places after it.
class QtTextPositions {
public:
    void Reset(const std::wstring& text);
    // The characters [start, start + length) are replaced by the text; both are clamped to
    // the current text as the widget clamps them.
    void Replace(std::size_t start, std::size_t length, const std::wstring& text);
    // The document position of a character position, clamped to the end of the text.
    int ToQt(std::size_t position) const;
    std::size_t Length() const { return length_; }

private:
    // Character positions, ascending, where the document counts one more or one less.
    struct Places {
        std::vector<std::size_t> wide;
        std::vector<std::size_t> joined;
    };

    static void Cut(std::vector<std::size_t>& places, std::size_t start, std::size_t length, std::size_t inserted);
    static void Add(std::vector<std::size_t>& places, std::vector<std::size_t> added);

    std::size_t length_ = 0;
    // Characters that take two UTF-16 units, and CRs that join the LF after them.
    Places places_;
};

// Where each character of a text without line breaks starts in UTF-16 units, with the
// text's length in those units last.
std::vector<int> Utf16Starts(const std::wstring& text);

}  // namespace TarnGui
