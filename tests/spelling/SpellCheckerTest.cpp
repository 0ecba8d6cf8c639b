// SPDX-License-Identifier: MIT
#include "spelling/SpellChecker.h"
#include "spelling/SpellingError.h"
#include "support/ExpectMessage.h"
#include "support/TinyDictionary.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Spelling::DictionaryFiles;
using Spelling::SpellChecker;
using Spelling::WordSpan;

class SpellCheckerTest : public testing::Test {
protected:
    TestSupport::TinyDictionary dictionary{{"the/S", "dragon/S", "sleeps", "knight/S", "don't", "well", "known", "café"}};
    SpellChecker checker{DictionaryFiles{dictionary.Affixes(), dictionary.Words()}};
};

TEST_F(SpellCheckerTest, MarksOnlyTheWordsTheDictionaryLacks)
{
    const std::wstring text = L"The dragon sleeps; the knigth waits.";
    EXPECT_EQ(checker.Misspelled(text), (std::vector<WordSpan>{{23, 6}, {30, 5}}));
    EXPECT_TRUE(checker.IsCorrect(L"dragons"));
    EXPECT_TRUE(checker.IsCorrect(L"Dragon"));
    EXPECT_TRUE(checker.IsCorrect(L"caf\u00E9"));
    EXPECT_FALSE(checker.IsCorrect(L"cafe"));
}

TEST_F(SpellCheckerTest, ApostrophesHyphensDigitsAndAstralCharactersAreNotMisMarked)
{
    // The typographic apostrophe is taken for the plain one the dictionary has.
    EXPECT_TRUE(checker.Misspelled(L"Don\u2019t, don't: well-known 3rd knights \U0001F409 sleep").size() == 1);
    EXPECT_EQ(checker.Misspelled(L"\U0001F409\U0001F409 knigth"), (std::vector<WordSpan>{{3, 6}}));
    EXPECT_FALSE(checker.IsCorrect(L"\U0001D400"));
}

TEST_F(SpellCheckerTest, SuggestsCorrectionsInTheAuthorsOwnApostrophes)
{
    const std::vector<std::wstring> suggestions = checker.Suggestions(L"knigth");
    ASSERT_FALSE(suggestions.empty());
    EXPECT_EQ(suggestions.front(), L"knight");
    const std::vector<std::wstring> typographic = checker.Suggestions(L"dont\u2019");
    EXPECT_NE(std::find(typographic.begin(), typographic.end(), L"don\u2019t"), typographic.end());
    EXPECT_TRUE(checker.Suggestions(std::wstring(200, L'x')).empty());
}

TEST_F(SpellCheckerTest, AnAcceptedWordIsCorrectEvenAfterItWasAnsweredWrong)
{
    EXPECT_FALSE(checker.IsCorrect(L"Grimsby"));
    checker.Accept(L"Grimsby");
    EXPECT_TRUE(checker.IsCorrect(L"Grimsby"));
    EXPECT_TRUE(checker.Misspelled(L"The Grimsby dragon!").empty());
}

TEST(SpellChecker, AMissingOrEmptyDictionaryIsNamedInTheError)
{
    TestSupport::TempFolder folder;
    TestSupport::WriteBytes(folder.Path("xx.aff"), "SET UTF-8\n");
    TestSupport::WriteBytes(folder.Path("xx.dic"), "");
    for (const char* name : {"none.dic", "xx.dic"}) {
        TestSupport::ExpectThrowWithMessage<Spelling::SpellingError>(
            [&] {
                SpellChecker(DictionaryFiles{folder.Path("xx.aff"), folder.Path(name)});
            },
            "The spelling dictionary " + folder.Path(name).string() + " cannot be read, or is empty.");
    }
}

TEST(SpellChecker, ADictionaryInAnotherCharacterSetIsConverted)
{
    TestSupport::TempFolder folder;
    TestSupport::WriteBytes(folder.Path("fr.aff"), "SET ISO8859-1\nTRY e\xe9\n");
    TestSupport::WriteBytes(folder.Path("fr.dic"), "2\ncaf\xe9\nth\xe9\n");
    SpellChecker checker(DictionaryFiles{folder.Path("fr.aff"), folder.Path("fr.dic")});
    EXPECT_TRUE(checker.IsCorrect(L"caf\u00E9"));
    EXPECT_FALSE(checker.IsCorrect(L"cafe"));
    // A word the character set cannot hold is not in the dictionary.
    EXPECT_FALSE(checker.IsCorrect(L"caf\u0113"));
    const std::vector<std::wstring> suggestions = checker.Suggestions(L"cafe");
    EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), L"caf\u00E9"), suggestions.end());
}

}  // namespace
