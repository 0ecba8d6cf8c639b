// SPDX-License-Identifier: MIT
#include "spelling/DictionaryCatalog.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Spelling::FindDictionary;

class DictionaryCatalogTest : public testing::Test {
protected:
    void Install(const std::filesystem::path& folder, const std::string& name)
    {
        std::filesystem::create_directories(folder);
        TestSupport::WriteBytes(folder / (name + ".aff"), "SET UTF-8\n");
        TestSupport::WriteBytes(folder / (name + ".dic"), "1\nword\n");
    }
    // The name of the dictionary found, and the folder it is in; empty when none is.
    std::string Found(std::wstring_view language)
    {
        const auto files = FindDictionary(language, {user, system});
        if (!files) {
            return {};
        }
        EXPECT_EQ(files->affixes.parent_path(), files->words.parent_path());
        return (files->affixes.parent_path() == user ? "user:" : "system:") + files->words.stem().string();
    }

    TestSupport::TempFolder root;
    std::filesystem::path user = root.Path("user");
    std::filesystem::path system = root.Path("system");
};

TEST_F(DictionaryCatalogTest, ATagFindsItsOwnDictionaryThenOneOfItsLanguage)
{
    Install(system, "en_GB");
    Install(system, "en_US");
    Install(system, "de_AT");
    Install(system, "de_DE");
    Install(system, "pt");
    EXPECT_EQ(Found(L"en-US"), "system:en_US");
    EXPECT_EQ(Found(L"en-GB"), "system:en_GB");
    EXPECT_EQ(Found(L"en_gb"), "system:en_GB");
    EXPECT_EQ(Found(L"en-IE"), "system:en_GB");
    EXPECT_EQ(Found(L"en"), "system:en_GB");
    EXPECT_EQ(Found(L"de-CH"), "system:de_DE");
    EXPECT_EQ(Found(L"pt-BR"), "system:pt");
    EXPECT_EQ(Found(L"sr-Latn-RS"), "");
    EXPECT_EQ(Found(L"fr"), "");
    // A dictionary in the user's folder comes before the system's.
    Install(user, "en_GB");
    EXPECT_EQ(Found(L"en-GB"), "user:en_GB");
}

TEST_F(DictionaryCatalogTest, OddTagsAndFoldersFindNothing)
{
    Install(system, "en_GB");
    TestSupport::WriteBytes(system / "en_AU.dic", "1\nword\n");
    EXPECT_EQ(Found(L"en-AU"), "system:en_GB");
    EXPECT_EQ(Found(L""), "");
    EXPECT_EQ(Found(L"-"), "");
    EXPECT_EQ(Found(L"../en_GB"), "");
    EXPECT_EQ(Found(L"\u00E9n"), "");
    EXPECT_FALSE(FindDictionary(L"en", {root.Path("nowhere")}));
}

TEST(DictionaryFolders, TheUsersFolderComesFirstThenEachDataFolder)
{
    const char* oldHome = std::getenv("XDG_DATA_HOME");
    const char* oldDirs = std::getenv("XDG_DATA_DIRS");
    const std::string savedHome = oldHome != nullptr ? oldHome : "";
    const std::string savedDirs = oldDirs != nullptr ? oldDirs : "";
    setenv("XDG_DATA_HOME", "/home/a/data", 1);
    setenv("XDG_DATA_DIRS", "/opt/share:relative:/usr/share", 1);
    const std::vector<std::filesystem::path> folders = Spelling::DictionaryFolders();
    oldHome != nullptr ? setenv("XDG_DATA_HOME", savedHome.c_str(), 1) : unsetenv("XDG_DATA_HOME");
    oldDirs != nullptr ? setenv("XDG_DATA_DIRS", savedDirs.c_str(), 1) : unsetenv("XDG_DATA_DIRS");
    EXPECT_EQ(folders, (std::vector<std::filesystem::path>{"/home/a/data/hunspell", "/opt/share/hunspell", "/opt/share/myspell/dicts",
                                                           "/opt/share/myspell", "/usr/share/hunspell", "/usr/share/myspell/dicts",
                                                           "/usr/share/myspell"}));
}

}  // namespace
