// SPDX-License-Identifier: MIT
#include "spelling/UserDictionary.h"
#include "spelling/SpellingError.h"
#include "support/ExpectMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using Spelling::UserDictionary;

TEST(UserDictionary, WordsAddedAreKeptOneToALineInAFolderMadeForThem)
{
    TestSupport::TempFolder folder;
    const UserDictionary dictionary(folder.Path("data") / "brindle-studio" / "dictionary.txt");
    EXPECT_TRUE(dictionary.Words().empty());
    dictionary.Add(L"Grimsby");
    dictionary.Add(L"Tarn\u2019s");
    dictionary.Add(L"\U0001D400bc");
    EXPECT_EQ(dictionary.Words(), (std::vector<std::wstring>{L"Grimsby", L"Tarn\u2019s", L"\U0001D400bc"}));
    EXPECT_EQ(TestSupport::ReadBytes(dictionary.File()), "Grimsby\nTarn\xe2\x80\x99s\n\xf0\x9d\x90\x80"
                                                         "bc\n");
}

TEST(UserDictionary, ALineEndingOrBytesFromElsewhereAreReadAsWellAsCanBe)
{
    TestSupport::TempFolder folder;
    TestSupport::WriteBytes(folder.Path("words.txt"), "Grimsby\r\n\r\nbad\xff"
                                                      "byte\nlast");
    EXPECT_EQ(UserDictionary(folder.Path("words.txt")).Words(), (std::vector<std::wstring>{L"Grimsby", L"badbyte", L"last"}));
}

TEST(UserDictionary, AFileThatCannotBeWrittenIsNamedAndKeepsItsWords)
{
    TestSupport::TempFolder folder;
    const UserDictionary dictionary(folder.Path("words.txt"));
    dictionary.Add(L"Grimsby");
    const UserDictionary underAFile(folder.Path("words.txt") / "below.txt");
    TestSupport::ExpectThrowWithMessage<Spelling::SpellingError>(
        [&] { underAFile.Add(L"Tarn"); }, "Your dictionary " + underAFile.File().string() + " cannot be written: Not a directory.");
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes to any file";
    }
    chmod(dictionary.File().c_str(), 0444);
    TestSupport::ExpectThrowWithMessage<Spelling::SpellingError>(
        [&] { dictionary.Add(L"Tarn"); }, "Your dictionary " + dictionary.File().string() + " cannot be written: Permission denied.");
    EXPECT_EQ(dictionary.Words(), std::vector<std::wstring>{L"Grimsby"});
}

}  // namespace
