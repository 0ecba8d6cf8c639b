// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookDetails.h"
#include "document/Font.h"
#include "graph/StoryGraph.h"

#include <cstdint>
#include <string>
#include <vector>

namespace TarnViewModel {

// The bytes the book file gives each part of a book, at most: never less than the writer
// writes and only a few bytes more, so that a change is measured as it is made instead of
// by writing the whole book.

// A section without its choices, and a choice, from the texts that change their size.
std::uint64_t SectionSizeInFile(const std::wstring& summary, const std::wstring& text);
std::uint64_t ChoiceSizeInFile(const std::wstring& text);
std::uint64_t SizeInFile(const Section& section);
std::uint64_t SizeInFile(const Choice& choice);
// A book-wide text on one line, such as the title, and the footer, a paragraph a line.
std::uint64_t LineSizeInFile(const std::wstring& text);
std::uint64_t ParagraphsSizeInFile(const std::wstring& text);
std::uint64_t FontNameSizeInFile(const std::wstring& faceName);
// Every section and choice of the graph.
std::uint64_t SizeInFile(const StoryGraph& graph);
// Everything the file holds besides the sections and choices; a book without its styles yet,
// as an imported story is, is measured as it will be with the default ones.
std::uint64_t BookWideSizeInFile(const std::wstring& title, const BookDetails& details, const std::wstring& footer,
                                 const std::wstring& choiceFormat, const std::vector<CommonLib::Font>& fonts);

}  // namespace TarnViewModel
