// SPDX-License-Identifier: MIT
#include "document/LanguageTag.h"
#include "document/TarnDataModel.h"
#include "graph/TarnDataModelException.h"
#include "support/LocaleVariables.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace TarnViewModel;
using TestSupport::LocaleVariables;
using TestSupport::TempFolder;

TEST(LanguageTag, AcceptsWellFormedTagsAndRefusesTheRest)
{
    for (const wchar_t* tag : {L"en", L"en-GB", L"EN-gb", L"fr-CA", L"sr-Latn-RS", L"zh-Hant-TW", L"es-419", L"de-CH-1901",
                               L"sl-rozaj-biske", L"en-US-x-twain", L"x-private", L"haw", L"zh-yue-HK"}) {
        EXPECT_TRUE(IsLanguageTag(tag)) << std::wstring(tag).size();
    }
    for (const wchar_t* tag : {L"", L"e", L"english language", L"en_GB", L"en-", L"-en", L"en--GB", L"en-GB-", L"123", L"en-toolongsubtag",
                               L"fr-\u00e9t\u00e9", L"en-GB\n"}) {
        EXPECT_FALSE(IsLanguageTag(tag)) << std::wstring(tag).size();
    }
}

TEST(LanguageTag, TheUsersLocaleGivesTheDefault)
{
    {
        const LocaleVariables locale(nullptr, nullptr, "en_GB.UTF-8");
        EXPECT_EQ(LocaleLanguageTag(), L"en-GB");
    }
    {
        const LocaleVariables locale("de_AT.UTF-8@euro", nullptr, "en_GB.UTF-8");
        EXPECT_EQ(LocaleLanguageTag(), L"de-AT");
    }
    {
        const LocaleVariables locale(nullptr, "sr_RS@latin", "en_GB.UTF-8");
        EXPECT_EQ(LocaleLanguageTag(), L"sr-RS");
    }
    for (const char* unnamed : {"C", "POSIX", "C.UTF-8", "", "not a locale!"}) {
        const LocaleVariables locale(nullptr, nullptr, unnamed);
        EXPECT_EQ(LocaleLanguageTag(), L"en") << unnamed;
    }
}

TEST(BookDetails, ANewBookHasNoAuthorTheUsersLanguageAndAFreshIdentifier)
{
    const LocaleVariables locale(nullptr, nullptr, "fr_CA.UTF-8");
    TarnDataModel first;
    first.NewBook(L"One", L"");
    TarnDataModel second;
    second.NewBook(L"Two", L"");
    EXPECT_EQ(first.GetDetails().author, L"");
    EXPECT_EQ(first.GetDetails().language, L"fr-CA");
    EXPECT_FALSE(first.GetDetails().identifier.is_nil());
    EXPECT_NE(first.GetDetails().identifier, second.GetDetails().identifier);
}

TEST(BookDetails, ALanguageThatIsNoTagIsRefusedBeforeAnythingChanges)
{
    TarnDataModel model;
    model.NewBook(L"Quest", L"");
    model.SetLanguage(L"en-GB");
    model.SetAuthor(L"Ann");
    int announced = 0;
    const auto connection = model.ConnectDetailsChanged([&](const BookDetails&) { ++announced; });
    TempFolder folder;
    model.Save(folder.WidePath("book.brindle"));
    try {
        model.SetLanguage(L"English (UK)");
        FAIL() << "an untagged language was taken";
    } catch (const TarnDataModelException& error) {
        EXPECT_EQ(std::string(error.what()), "\"English (UK)\" is not a language tag. Write one such as \"en\", \"en-GB\" or \"fr-CA\".");
    }
    EXPECT_EQ(model.GetDetails().language, L"en-GB");
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(announced, 0);
}

TEST(BookDetails, UnreadableDetailsInAFileGiveWayToDefaultsAndTheBookOpens)
{
    TempFolder folder;
    TestSupport::WriteBytes(folder.Path("odd.brindle"),
                            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<book version=\"2\">\n<title>Odd</title>\n"
                            "<author>Ann &amp; Bo \xF0\x9F\x90\x89</author>\n<language>English</language>\n"
                            "<identifier>not-a-uuid</identifier>\n<sections/>\n</book>\n");
    TarnDataModel model;
    model.Load(folder.WidePath("odd.brindle"));
    EXPECT_EQ(model.GetDetails().author, L"Ann & Bo \U0001F409");
    EXPECT_TRUE(IsLanguageTag(model.GetDetails().language));
    EXPECT_FALSE(model.GetDetails().identifier.is_nil());
}

}  // namespace
