// SPDX-License-Identifier: MIT
#include "spelling/SpellingWords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Spelling::FindWords;

std::vector<std::wstring> Words(std::wstring_view text)
{
    std::vector<std::wstring> words;
    for (const Spelling::WordSpan& span : FindWords(text)) {
        words.emplace_back(text.substr(span.start, span.length));
    }
    return words;
}

using List = std::vector<std::wstring>;

TEST(SpellingWords, ApostrophesJoinAWordAndHyphensPartIt)
{
    EXPECT_EQ(Words(L"Don't go; the author\u2019s well-known lair."),
              (List{L"Don't", L"go", L"the", L"author\u2019s", L"well", L"known", L"lair"}));
    // Quotation marks round a word are not part of it.
    EXPECT_EQ(Words(L"'Halt!' cried the guards\u2019"), (List{L"Halt", L"cried", L"the", L"guards"}));
}

TEST(SpellingWords, NumbersAndWordsWithDigitsAreLeftOut)
{
    EXPECT_EQ(Words(L"Turn to 213, the 3rd door, or B52 at 1,000 paces."), (List{L"Turn", L"to", L"the", L"door", L"or", L"at", L"paces"}));
}

TEST(SpellingWords, PositionsCountAstralCharactersAsOne)
{
    const std::wstring text = L"\U0001F600 brave \U0001D400old\r\nknight";
    const std::vector<Spelling::WordSpan> spans = FindWords(text);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0], (Spelling::WordSpan{2, 5}));
    // A mathematical letter is a letter, part of the word it starts.
    EXPECT_EQ(text.substr(spans[1].start, spans[1].length), L"\U0001D400old");
    EXPECT_EQ(text.substr(spans[2].start, spans[2].length), L"knight");
}

TEST(SpellingWords, TextThatIsNotCharactersKeepsThePositionsOfTheRest)
{
    std::wstring text = L"a";
    text += static_cast<wchar_t>(0xD800);
    text += L" dragon ";
    text += static_cast<wchar_t>(0x110000);
    text += L"lair";
    const std::vector<Spelling::WordSpan> spans = FindWords(text);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(text.substr(spans[1].start, spans[1].length), L"dragon");
    EXPECT_EQ(text.substr(spans[2].start, spans[2].length), L"lair");
    EXPECT_TRUE(FindWords(L"").empty());
    EXPECT_TRUE(FindWords(L" \u2014 ... \U0001F409 ").empty());
}

}  // namespace
