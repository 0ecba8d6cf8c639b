// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace TarnViewModel {

// Characters [start, start + length) of the preview's text.
struct TextRange {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The preview pane: a rich-text box showing the book as the reader sees it.
class IBookPreviewView {
public:
    virtual ~IBookPreviewView() = default;
    virtual void ReplaceText(std::size_t start, std::size_t length, const std::wstring& text) = 0;
    // The whole text, its links and section headings marked, in one pass; the caret goes to
    // the start.
    virtual void SetAllText(const std::wstring& text, const std::vector<TextRange>& links, const std::vector<TextRange>& headings) = 0;
    // Adds text at the end, its links and headings given as positions in the whole text.
    virtual void AppendText(const std::wstring& text, const std::vector<TextRange>& links, const std::vector<TextRange>& headings) = 0;
    // Marks the range as a section heading in the font's size.
    virtual void FormatRange(std::size_t start, std::size_t length, const CommonLib::Font& font) = 0;
    // Marks the range as a link, then puts the caret at the start of the text.
    virtual void FormatRangeAndHome(std::size_t start, std::size_t length) = 0;
    virtual void FormatAll(const CommonLib::Font& font) = 0;
    virtual void ClearPreview() = 0;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    virtual void ScrollToCharacter(std::size_t position) = 0;
    // Runs the step once the events waiting now are handled, so that a long fill leaves the
    // window answering.
    virtual void RunSoon(std::function<void()> step) = 0;
};

}  // namespace TarnViewModel
