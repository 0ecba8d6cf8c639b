// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Uuid.h"
#include "search/SearchPattern.h"

#include <cstdint>
#include <string>
#include <vector>

namespace TarnViewModel {
class BookSnapshot;
}  // namespace TarnViewModel

namespace Search {

// Where in a section a match was found.
enum class SearchField { Text, Summary, ChoiceText };

struct BookMatch {
    std::uint32_t section = 0;
    SearchField field = SearchField::Text;
    // The choice whose text holds the match; nil for the section's own fields.
    TarnViewModel::Uuid choice{};
    // The field's place in its section's order: the text, the summary, then each choice.
    std::uint32_t fieldOrder = 0;
    TextMatch range;

    bool operator==(const BookMatch&) const = default;
};

// Where a match begins or ends, in the order in which the book is searched.
struct BookPlace {
    std::uint32_t section = 0;
    std::uint32_t fieldOrder = 0;
    std::size_t offset = 0;

    auto operator<=>(const BookPlace&) const = default;
};
BookPlace StartOf(const BookMatch& match);
BookPlace EndOf(const BookMatch& match);

// Every match in the book: by section number, then in the text, the summary and the
// choices' texts in choice order.
std::vector<BookMatch> FindInBook(const TarnViewModel::BookSnapshot& book, const SearchPattern& pattern);
// The matches in the sections numbered first to last, in the same order, added to the list.
void FindInSections(const TarnViewModel::BookSnapshot& book, const SearchPattern& pattern, std::uint32_t first, std::uint32_t last,
                    std::vector<BookMatch>& matches);

// The text a match was found in; none when the book no longer has its section or choice.
const std::wstring* MatchedText(const TarnViewModel::BookSnapshot& book, const BookMatch& match);

// A line's worth of a match's text to show it in a list, line breaks shown as spaces.
struct MatchSnippet {
    std::wstring before;
    std::wstring matched;
    std::wstring after;
};
MatchSnippet SnippetOf(const std::wstring& text, const TextMatch& range, std::size_t context = 30);

}  // namespace Search
