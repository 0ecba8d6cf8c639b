// SPDX-License-Identifier: MIT
#include "search/BookSearch.h"
#include "document/TarnDataModel.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;

TEST(BookSearch, MatchesComeBySectionThenTextSummaryAndChoices)
{
    TarnDataModel book;
    book.NewBook(L"Search", L"");
    book.CreateSection(3, L"");
    book.SetSectionText(3, L"A key.\r\nAnother key.");
    book.SetSectionSummary(3, L"Key room");
    book.SetSectionText(1, L"No keys here");
    const Uuid take = book.AddChoiceTo(1, 3, L"Take the key", false);

    const Search::SearchPattern pattern(L"key", {.wholeWord = true});
    const std::vector<Search::BookMatch> matches = Search::FindInBook(*book.Snapshot(), pattern);
    ASSERT_EQ(matches.size(), 4u);
    EXPECT_EQ(matches[0].section, 1u);
    EXPECT_EQ(matches[0].field, Search::SearchField::ChoiceText);
    EXPECT_EQ(matches[0].choice, take);
    EXPECT_EQ(matches[1].section, 3u);
    EXPECT_EQ(matches[1].field, Search::SearchField::Text);
    EXPECT_EQ(matches[2].range, (Search::TextMatch{16, 3}));
    EXPECT_EQ(matches[3].field, Search::SearchField::Summary);
    for (const Search::BookMatch& match : matches) {
        EXPECT_EQ(Search::MatchedText(*book.Snapshot(), match)->substr(match.range.start, match.range.length).size(), 3u);
    }
    EXPECT_TRUE(Search::FindInBook(*book.Snapshot(), Search::SearchPattern(L"", {})).empty());

    // A list found before the book changed may name what is no longer there.
    book.DeleteChoices({take});
    EXPECT_EQ(Search::MatchedText(*book.Snapshot(), matches[0]), nullptr);
    EXPECT_NE(Search::MatchedText(*book.Snapshot(), matches[1]), nullptr);
    book.DeleteSectionAndChoices(3);
    EXPECT_EQ(Search::MatchedText(*book.Snapshot(), matches[1]), nullptr);
}

TEST(BookSearch, SnippetsShowTheMatchOnOneLineWithWhatIsCutMarked)
{
    const std::wstring text = L"First line\r\nthe golden key lies under a stone by the old well";
    const Search::MatchSnippet snippet = Search::SnippetOf(text, {23, 3}, 13);
    EXPECT_EQ(snippet.before, L"\u2026  the golden ");
    EXPECT_EQ(snippet.matched, L"key");
    EXPECT_EQ(snippet.after, L" lies under a\u2026");
    const Search::MatchSnippet whole = Search::SnippetOf(L"key", {0, 3}, 10);
    EXPECT_EQ(whole.before + whole.matched + whole.after, L"key");
}

}  // namespace
