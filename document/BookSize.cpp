// SPDX-License-Identifier: MIT
#include "document/BookSize.h"

#include "document/XmlTextWriter.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace TarnViewModel {

namespace {

// The writer's layout, taken at its widest where the book can change it without a text
// changing: five-digit numbers, "false", a choices element that has children. A section:
// its own tags (12 and 13 bytes), number (26), shiftable (32), background colour (48) and
// choices (27). A choice: its own tags (13 and 14), destination (38) and hidden (28). The
// book's own markup, styles included, is a generous constant: it is written once.
constexpr std::uint64_t SectionMarkup = 12 + 13 + 26 + 32 + 48 + 27;
constexpr std::uint64_t ChoiceMarkup = 13 + 14 + 38 + 28;
constexpr std::uint64_t BookMarkup = 1024;
// Each of the three styles' font names is given at least this, which is more than any
// default name takes, so that a book measures the same before its styles are set.
constexpr std::uint64_t FontNameAllowance = 32;
constexpr std::size_t Styles = 3;
// The depths, in tabs, of the elements that hold texts.
constexpr std::uint64_t SectionChildDepth = 3;
constexpr std::uint64_t ChoiceChildDepth = 5;
constexpr std::uint64_t BookChildDepth = 1;

std::uint64_t Digits(std::uint64_t number)
{
    std::uint64_t digits = 1;
    for (; number >= 10; number /= 10) {
        ++digits;
    }
    return digits;
}

// An element named `name` holding the text on one line, or closed on itself when it is empty.
std::uint64_t LeafSize(std::wstring_view text, std::uint64_t depth, const char* name)
{
    const std::uint64_t nameLength = std::strlen(name);
    return text.empty() ? depth + nameLength + 4 : depth + 2 * nameLength + 6 + XmlTextWriter::EncodedSize(text);
}

// An element named `name` holding one "p" element a line, each numbered by its "order".
std::uint64_t ParagraphsSize(std::wstring_view text, std::uint64_t depth, const char* name)
{
    if (text.empty()) {
        return LeafSize(text, depth, name);
    }
    std::uint64_t size = 2 * depth + 2 * std::strlen(name) + 7;
    std::uint64_t order = 1;
    for (std::size_t start = 0;; ++order) {
        const std::size_t end = text.find(L"\r\n", start);
        const std::wstring_view line = text.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
        size += (depth + 1) + std::strlen("<p order=\"\"") + Digits(order) +
                (line.empty() ? std::strlen("/>\n") : std::strlen("></p>\n") + XmlTextWriter::EncodedSize(line));
        if (end == std::wstring_view::npos) {
            return size;
        }
        start = end + 2;
    }
}

}  // namespace

std::uint64_t LineSizeInFile(const std::wstring& text)
{
    return XmlTextWriter::EncodedSize(text);
}

std::uint64_t ParagraphsSizeInFile(const std::wstring& text)
{
    return ParagraphsSize(text, BookChildDepth, "footer");
}

std::uint64_t FontNameSizeInFile(const std::wstring& faceName)
{
    return std::max<std::uint64_t>(FontNameAllowance, XmlTextWriter::EncodedSize(faceName));
}

std::uint64_t SectionSizeInFile(const std::wstring& summary, const std::wstring& text)
{
    return SectionMarkup + LeafSize(summary, SectionChildDepth, "summary") + ParagraphsSize(text, SectionChildDepth, "text");
}

std::uint64_t ChoiceSizeInFile(const std::wstring& text)
{
    return ChoiceMarkup + ParagraphsSize(text, ChoiceChildDepth, "text");
}

std::uint64_t SizeInFile(const Section& section)
{
    return SectionSizeInFile(section.summary, section.text);
}

std::uint64_t SizeInFile(const Choice& choice)
{
    return ChoiceSizeInFile(choice.text);
}

std::uint64_t SizeInFile(const StoryGraph& graph)
{
    std::uint64_t size = 0;
    graph.VisitSections([&size](const Section& section) { size += SizeInFile(section); });
    graph.VisitChoices([&size](const Choice& choice) { size += SizeInFile(choice); });
    return size;
}

std::uint64_t BookWideSizeInFile(const std::wstring& title, const BookDetails& details, const std::wstring& footer,
                                 const std::wstring& choiceFormat, const std::vector<CommonLib::Font>& fonts)
{
    std::uint64_t size = BookMarkup + LineSizeInFile(title) + LineSizeInFile(details.author) + LineSizeInFile(details.language) +
                         LineSizeInFile(details.storyFormat) + LineSizeInFile(details.storyFormatVersion) + ParagraphsSizeInFile(footer) +
                         LineSizeInFile(choiceFormat);
    for (const CommonLib::Font& font : fonts) {
        size += FontNameSizeInFile(font.faceName);
    }
    if (fonts.size() < Styles) {
        size += (Styles - fonts.size()) * FontNameAllowance;
    }
    return size;
}

}  // namespace TarnViewModel
