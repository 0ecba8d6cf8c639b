// SPDX-License-Identifier: MIT
#include "search/BookSearch.h"

#include "document/BookSnapshot.h"

#include <algorithm>

namespace Search {

using namespace TarnViewModel;

namespace {

constexpr std::uint32_t FirstChoiceOrder = 2;

void AddMatches(std::vector<BookMatch>& matches, const SearchPattern& pattern, const std::wstring& text, std::uint32_t section,
                SearchField field, std::uint32_t fieldOrder, const Uuid& choice = Uuid{})
{
    for (const TextMatch& range : pattern.FindIn(text)) {
        matches.push_back({section, field, choice, fieldOrder, range});
    }
}

void AddSectionMatches(std::vector<BookMatch>& matches, const BookSnapshot& book, const SearchPattern& pattern, const Section& section)
{
    AddMatches(matches, pattern, section.text, section.number, SearchField::Text, 0);
    AddMatches(matches, pattern, section.summary, section.number, SearchField::Summary, 1);
    std::uint32_t order = FirstChoiceOrder;
    book.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
        AddMatches(matches, pattern, choice.text, section.number, SearchField::ChoiceText, order++, choice.id);
    });
}

std::wstring OnOneLine(std::wstring text)
{
    std::replace_if(
        text.begin(), text.end(), [](wchar_t c) { return c == L'\r' || c == L'\n' || c == L'\t'; }, L' ');
    return text;
}

}  // namespace

std::vector<BookMatch> FindInBook(const BookSnapshot& book, const SearchPattern& pattern)
{
    std::vector<BookMatch> matches;
    if (pattern.Empty()) {
        return matches;
    }
    book.VisitSections([&](const Section& section) { AddSectionMatches(matches, book, pattern, section); });
    return matches;
}

void FindInSections(const BookSnapshot& book, const SearchPattern& pattern, std::uint32_t first, std::uint32_t last,
                    std::vector<BookMatch>& matches)
{
    if (pattern.Empty()) {
        return;
    }
    for (std::uint32_t number = first; number <= last; ++number) {
        if (book.HasSection(number)) {
            AddSectionMatches(matches, book, pattern, book.GetSection(number));
        }
    }
}

BookPlace StartOf(const BookMatch& match)
{
    return {match.section, match.fieldOrder, match.range.start};
}

BookPlace EndOf(const BookMatch& match)
{
    return {match.section, match.fieldOrder, match.range.start + match.range.length};
}

const std::wstring* MatchedText(const BookSnapshot& book, const BookMatch& match)
{
    if (!book.HasSection(match.section)) {
        return nullptr;
    }
    const Section& section = book.GetSection(match.section);
    switch (match.field) {
    case SearchField::Summary:
        return &section.summary;
    case SearchField::ChoiceText: {
        const std::wstring* text = nullptr;
        book.VisitSectionChoices(match.section, false, [&](const Choice& choice) {
            if (choice.id == match.choice) {
                text = &choice.text;
            }
        });
        return text;
    }
    case SearchField::Text:
        break;
    }
    return &section.text;
}

MatchSnippet SnippetOf(const std::wstring& text, const TextMatch& range, std::size_t context)
{
    const std::size_t start = std::min(range.start, text.size());
    const std::size_t end = std::min(start + range.length, text.size());
    const std::size_t from = start > context ? start - context : 0;
    MatchSnippet snippet{OnOneLine(text.substr(from, start - from)), OnOneLine(text.substr(start, end - start)),
                         OnOneLine(text.substr(end, context))};
    if (from > 0) {
        snippet.before.insert(0, L"\u2026");
    }
    if (end + context < text.size()) {
        snippet.after += L"\u2026";
    }
    return snippet;
}

}  // namespace Search
