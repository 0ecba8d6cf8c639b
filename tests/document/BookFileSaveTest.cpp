// SPDX-License-Identifier: MIT
#include "document/NativePath.h"
#include "document/TarnDataModel.h"
#include "document/WriteFailure.h"
#include "support/BookContent.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <boost/property_tree/xml_parser.hpp>
#include <boost/uuid/uuid_io.hpp>
#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;
using TestSupport::BookContent;
using TestSupport::ReadBytes;
using TestSupport::TempFolder;
using TestSupport::WriteBytes;

class BookFileSave : public ::testing::Test {
protected:
    BookFileSave()
    {
        model.NewBook(L"Saved", L"");
        model.AddChoiceTo(1, 2, L"On", false);
    }

    void ExpectWriteError(const std::wstring& path)
    {
        try {
            model.Save(path);
            ADD_FAILURE() << "the save succeeded";
        } catch (const FileWriteException& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Cannot write \"" + NativePath(path) + "\": ", 0), 0u) << error.what();
        }
    }

    std::vector<std::filesystem::path> FolderEntries() const
    {
        std::vector<std::filesystem::path> entries;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Root())) {
            entries.push_back(entry.path());
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    TempFolder folder;
    TarnDataModel model;
};

// Whatever a text holds, the file is one the program opens again.
TEST_F(BookFileSave, CharactersXmlCannotHoldAreWrittenAsReplacementsAndTheBookOpens)
{
    std::wstring hostile = L"NUL";
    hostile += L'\0';
    hostile += L"bell\a tab\t vt\v ";
    hostile += static_cast<wchar_t>(0xD800);
    hostile += L"\uFFFE\uFFFF end \U0001F409";
    model.SetSectionText(1, hostile);
    model.SetTitle(L"Title\x01");
    model.Save(folder.WidePath("hostile.brindle"));
    TarnDataModel again;
    ASSERT_NO_THROW(again.Load(folder.WidePath("hostile.brindle")));
    EXPECT_EQ(again.GetStoryGraph().GetSection(1).text, L"NUL\uFFFDbell\uFFFD tab\t vt\uFFFD \uFFFD\uFFFD\uFFFD end \U0001F409");
    EXPECT_EQ(again.GetTitle(), L"Title\uFFFD");
}

TEST_F(BookFileSave, WritesTheFileFormatExactly)
{
    const std::string sample = (TestSupport::TestData() / "book-v2-details.brindle").string();
    model.Load(std::filesystem::path(sample).wstring());
    model.Save(folder.WidePath("out.brindle"));
    EXPECT_EQ(ReadBytes(folder.Path("out.brindle")), ReadBytes(sample));
}

TEST_F(BookFileSave, AnOlderFileGainsItsDetailsOnceAndKeepsTheIdentifierFromThenOn)
{
    model.Load((TestSupport::TestData() / "book-v2.brindle").wstring());
    EXPECT_EQ(model.GetDetails().author, L"");
    EXPECT_FALSE(model.GetDetails().language.empty());
    EXPECT_FALSE(model.GetDetails().identifier.is_nil());
    EXPECT_FALSE(model.IsModified());
    model.Save(folder.WidePath("out.brindle"));
    const Uuid identifier = model.GetDetails().identifier;
    TarnDataModel reopened;
    reopened.Load(folder.WidePath("out.brindle"));
    EXPECT_EQ(reopened.GetDetails().identifier, identifier);
    EXPECT_EQ(reopened.GetDetails().language, model.GetDetails().language);
}

TEST_F(BookFileSave, SmallestBookHasEveryElement)
{
    TarnDataModel empty;
    empty.Clear();
    empty.SetTitle(L"");
    empty.SetLanguage(L"en");
    empty.Save(folder.WidePath("empty.brindle"));
    EXPECT_EQ(
        ReadBytes(folder.Path("empty.brindle")),
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<book version=\"2\">\n"
        "\t<title/>\n"
        "\t<author/>\n"
        "\t<language>en</language>\n"
        "\t<identifier>" +
            boost::uuids::to_string(empty.GetDetails().identifier) +
            "</identifier>\n"
            "\t<sections/>\n"
            "\t<footer/>\n"
            "\t<formats>\n"
            "\t\t<choice>{{text}}, turn to {{destination}}</choice>\n"
            "\t</formats>\n"
            "\t<options>\n"
            "\t\t<newpagepersection>false</newpagepersection>\n"
            "\t</options>\n"
            "\t<styles>\n"
            "\t\t<style name=\"text\">\n\t\t\t<font>\n\t\t\t\t<name>Cambria</name>\n\t\t\t\t<size>10</size>\n\t\t\t</font>\n\t\t</style>\n"
            "\t\t<style "
            "name=\"header\">\n\t\t\t<font>\n\t\t\t\t<name>Cambria</name>\n\t\t\t\t<size>36</size>\n\t\t\t</font>\n\t\t</style>\n"
            "\t\t<style "
            "name=\"footer\">\n\t\t\t<font>\n\t\t\t\t<name>Consolas</name>\n\t\t\t\t<size>8</size>\n\t\t\t</font>\n\t\t</style>\n"
            "\t</styles>\n"
            "</book>\n");
}

TEST_F(BookFileSave, StoresThePathClearsModifiedAndCommitsPendingEdits)
{
    auto commit = model.ConnectCommitPendingEdits([this] { model.SetTitle(L"Committed"); });
    model.Save(folder.WidePath("book.brindle"));
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(model.GetFilePath(), folder.WidePath("book.brindle"));
    commit.disconnect();
    TarnDataModel loaded;
    loaded.Load(folder.WidePath("book.brindle"));
    EXPECT_EQ(loaded.GetTitle(), L"Committed");
}

TEST_F(BookFileSave, ReplacesAnOldFileAndKeepsItsPermissions)
{
    const auto path = folder.Path("book.brindle");
    WriteBytes(path, "old");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    model.Save(path.wstring());
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
    EXPECT_EQ(FolderEntries(), std::vector<std::filesystem::path>{path}) << "no temporary file is left behind";
    TarnDataModel loaded;
    loaded.Load(path.wstring());
    EXPECT_EQ(BookContent::Of(loaded), BookContent::Of(model));
}

TEST_F(BookFileSave, WritesThroughALinkToTheFileItNames)
{
    const auto real = folder.Path("real.brindle");
    WriteBytes(real, "old");
    std::filesystem::create_symlink(real, folder.Path("link.brindle"));
    model.Save(folder.WidePath("link.brindle"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("link.brindle")));
    EXPECT_NE(ReadBytes(real), "old");
}

TEST_F(BookFileSave, FailedWritesKeepTheOldFileThePathAndTheModifiedFlag)
{
    const auto old = folder.Path("old.brindle");
    WriteBytes(old, "the author's previous file");
    model.Save(old.wstring());
    const std::string saved = ReadBytes(old);
    model.SetTitle(L"Changed");
    ASSERT_TRUE(model.IsModified());
    const auto entries = FolderEntries();

    std::filesystem::create_directory(folder.Path("folder.brindle"));
    ExpectWriteError(folder.WidePath("folder.brindle"));
    ExpectWriteError(folder.WidePath("missing/book.brindle"));
    ExpectWriteError(folder.WidePath("old.brindle/inside.brindle"));
    ExpectWriteError(L"");

    EXPECT_EQ(ReadBytes(old), saved);
    EXPECT_EQ(model.GetFilePath(), old.wstring());
    EXPECT_TRUE(model.IsModified());
    std::filesystem::remove(folder.Path("folder.brindle"));
    EXPECT_EQ(FolderEntries(), entries);
}

TEST_F(BookFileSave, FullDiskKeepsTheOldFile)
{
    const auto old = folder.Path("old.brindle");
    for (std::uint32_t number = 3; number < 400; ++number) {
        model.CreateSection(number, std::wstring(40, L'x'));
    }
    model.Save(old.wstring());
    const std::string saved = ReadBytes(old);
    model.SetTitle(L"Changed");

    {
        TestSupport::FileSizeLimit limit(4096);
        ExpectWriteError(old.wstring());
    }

    EXPECT_EQ(ReadBytes(old), saved);
    EXPECT_TRUE(model.IsModified());
    EXPECT_EQ(FolderEntries(), std::vector<std::filesystem::path>{old});
}

}  // namespace
