// SPDX-License-Identifier: MIT
#include "search/SearchPattern.h"

#include <gtest/gtest.h>

namespace {

std::vector<Search::TextMatch> Find(const std::wstring& pattern, const std::wstring& text, Search::SearchOptions options = {})
{
    return Search::SearchPattern(pattern, options).FindIn(text);
}

TEST(SearchPattern, PlainTextIsFoundAsTypedIgnoringCaseUnlessAsked)
{
    EXPECT_EQ(Find(L"door", L"Door, door, DOOR"), (std::vector<Search::TextMatch>{{0, 4}, {6, 4}, {12, 4}}));
    EXPECT_EQ(Find(L"door", L"Door, door, DOOR", {.matchCase = true}), (std::vector<Search::TextMatch>{{6, 4}}));
    // Beyond ASCII too.
    EXPECT_EQ(Find(L"\u00e9t\u00e9", L"\u00c9T\u00c9 ici").size(), 1u);
    // Characters that mean something in a regular expression stand for themselves.
    EXPECT_TRUE(Find(L"a.b", L"axb").empty());
    EXPECT_EQ(Find(L"(1+1)*[x]?", L"is (1+1)*[x]?").size(), 1u);
    EXPECT_TRUE(Find(L"", L"anything").empty());
}

TEST(SearchPattern, WholeWordsLeaveOutWordsThatHoldThePattern)
{
    EXPECT_EQ(Find(L"cat", L"cat catalogue scat cat.", {.wholeWord = true}), (std::vector<Search::TextMatch>{{0, 3}, {19, 3}}));
}

TEST(SearchPattern, AstralCharactersCountAsOneAndRegularExpressionsSeeThemSo)
{
    const std::wstring text = L"The \U0001F409 dragon and the \U0001F409.";
    EXPECT_EQ(Find(L"dragon", text), (std::vector<Search::TextMatch>{{6, 6}}));
    EXPECT_EQ(Find(L"the .", text, {.regularExpression = true}), (std::vector<Search::TextMatch>{{0, 5}, {17, 5}}));
}

TEST(SearchPattern, NoMatchBeginsOrEndsInsideALineBreak)
{
    const std::wstring text = L"one\r\ntwo";
    EXPECT_TRUE(Find(L"\\n", text, {.regularExpression = true}).empty());
    EXPECT_TRUE(Find(L"\\r", text, {.regularExpression = true}).empty());
    EXPECT_TRUE(Find(L"e\r", text).empty());
    EXPECT_EQ(Find(L"e\\r\\nt", text, {.regularExpression = true}), (std::vector<Search::TextMatch>{{2, 4}}));
    EXPECT_EQ(Search::SearchPattern(L"\\s+", {.regularExpression = true}).ReplaceAll(text, L" "), L"one two");
}

TEST(SearchPattern, ReplacementsTakeGroupsOnlyInRegularExpressions)
{
    const Search::SearchPattern swap(L"(\\w+) of (\\w+)", {.regularExpression = true});
    EXPECT_EQ(swap.ReplaceAll(L"Sword of fire, shield of ice", L"$2 $1"), L"fire Sword, ice shield");
    EXPECT_EQ(Search::SearchPattern(L"gold", {}).ReplaceAll(L"gold and Gold", L"$1 coins"), L"$1 coins and $1 coins");
    // An anchor still holds when one match is replaced on its own.
    const Search::SearchPattern first(L"^\\w+", {.regularExpression = true});
    const std::wstring text = L"Run now";
    ASSERT_EQ(first.FindIn(text).size(), 1u);
    EXPECT_EQ(first.ReplacementFor(text, first.FindIn(text)[0], L"<$&>"), L"<Run>");
}

TEST(SearchPattern, AReplacementMayEmptyATextAndEmptyMatchesAreNone)
{
    EXPECT_EQ(Search::SearchPattern(L"all of it", {}).ReplaceAll(L"All of it", L""), L"");
    EXPECT_TRUE(Find(L"x*", L"abc", {.regularExpression = true}).empty());
    EXPECT_EQ(Search::SearchPattern(L"x*", {.regularExpression = true}).ReplaceAll(L"axxb", L"-"), L"a-b");
}

TEST(SearchPattern, ABadRegularExpressionSaysWhereAndWhy)
{
    for (const std::wstring bad : {L"(open", L"[a-", L"*first", L"a{2,1}"}) {
        try {
            Search::SearchPattern(bad, {.regularExpression = true});
            ADD_FAILURE() << "accepted " << std::string(bad.begin(), bad.end());
        } catch (const Search::SearchPatternError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("The regular expression cannot be read at character ", 0), 0u) << error.what();
        }
    }
    // The same typed as plain text is fine.
    EXPECT_NO_THROW(Search::SearchPattern(L"(open", {}));
}

TEST(SearchPatternLimits, AnExpressionThatWouldTakeTooLongSaysSoInsteadOfStalling)
{
    const Search::SearchPattern nested(L"(a|aa)*(b|c)*d", {.regularExpression = true});
    const std::wstring text(20000, L'a');
    try {
        nested.FindIn(text);
        FAIL() << "the search ran to its end";
    } catch (const Search::SearchPatternError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("The regular expression takes too long to search with: ", 0), 0u) << error.what();
    }
}

}  // namespace
