// SPDX-License-Identifier: MIT
#include "export/ExportException.h"
#include "export/ExportFile.h"
#include "export/JsonExporter.h"
#include "export/MultiPageExport.h"
#include "export/TxtExporter.h"
#include "support/ExportBooks.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

#include <boost/property_tree/json_parser.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

using namespace TarnViewModel;
using TestSupport::ReadBytes;
using TestSupport::TempFolder;
using TestSupport::WriteBytes;

void ExpectExportFails(const std::wstring& path, const TarnDataModel& model)
{
    try {
        ExportFile file(path);
        TxtExporter().Export(*model.Snapshot(), file.Stream());
        file.Close();
        FAIL() << "the export looked like a success";
    } catch (const ExportException& error) {
        EXPECT_NE(std::string(error.what()).find("Cannot"), std::string::npos) << error.what();
    }
}

TEST(ExportFailure, FilesThatCannotBeCreatedOrWrittenAreReported)
{
    const auto model = TestSupport::MakeExportBook();
    TempFolder folder;
    ExpectExportFails(folder.Root().wstring(), *model);
    ExpectExportFails(folder.WidePath("missing/book.txt"), *model);
    ExpectExportFails(L"", *model);

    auto large = TestSupport::MakeExportBook();
    large->SetSectionText(1, std::wstring(100000, L'x'));
    TestSupport::FileSizeLimit limit(4096);
    ExpectExportFails(folder.WidePath("full.txt"), *large);
}

TEST(ExportFailure, AFailedExportLeavesTheOldFileAsItWasWithNothingBesideIt)
{
    auto large = TestSupport::MakeExportBook();
    large->SetSectionText(1, std::wstring(100000, L'x'));
    TempFolder folder;
    WriteBytes(folder.Path("book.txt"), "old export");
    {
        TestSupport::FileSizeLimit limit(4096);
        ExpectExportFails(folder.WidePath("book.txt"), *large);
    }
    {
        ExportFile abandoned(folder.WidePath("book.txt"));
        abandoned.Stream() << "half an export";
    }
    EXPECT_EQ(ReadBytes(folder.Path("book.txt")), "old export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Root()), std::filesystem::directory_iterator()), 1);

    ExportFile replacing(folder.WidePath("book.txt"));
    replacing.Stream() << "new\n";
    replacing.Close();
    EXPECT_EQ(ReadBytes(folder.Path("book.txt")), "new\r\n");
}

TEST(ExportFailure, DevicesAreWrittenNeverReplaced)
{
    const auto model = TestSupport::MakeExportBook();
    ExpectExportFails(L"/dev/full", *model);
    ExportFile discarded(L"/dev/null");
    TxtExporter().Export(*model->Snapshot(), discarded.Stream());
    discarded.Close();
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(ExportFailure, JsonExportIntoAFailedStreamRaisesTheWritersError)
{
    const auto model = TestSupport::MakeExportBook();
    std::ostringstream output;
    output.setstate(std::ios::badbit);
    try {
        JsonExporter().Export(*model->Snapshot(), output);
        FAIL() << "no error";
    } catch (const boost::property_tree::json_parser_error& error) {
        EXPECT_EQ(error.message(), "write error");
    }
}

TEST(ExportFailure, PagesReplaceOldOnesAndAMissingFolderIsReported)
{
    const auto model = TestSupport::MakeExportBook();
    TempFolder folder;
    WriteBytes(folder.Path("3.html"), "old page");
    ExportPages(*model->Snapshot(), folder.Root().wstring());
    EXPECT_NE(ReadBytes(folder.Path("3.html")).find("<h2 class=\"sectionNumber\">3</h2>"), std::string::npos);
    EXPECT_THROW(ExportPages(*model->Snapshot(), folder.WidePath("missing")), ExportException);
}

std::vector<std::string> Names(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Exporting again after removing a section: its old page would still be read as the book's.
TEST(ExportFailure, PagesOfSectionsNoLongerInTheBookGoAndTheAuthorsOwnFilesStay)
{
    auto model = TestSupport::MakeExportBook();
    TempFolder folder;
    model->CreateSection(40, L"Soon gone");
    ExportPages(*model->Snapshot(), folder.Root().wstring());
    ASSERT_TRUE(std::filesystem::exists(folder.Path("40.html")));
    WriteBytes(folder.Path("41.html"), "<p>The author's own page, named like a section's.</p>");
    WriteBytes(folder.Path("about.html"), "<link rel=\"stylesheet\" href=\"styles.css\" />");
    model->DeleteSectionAndChoices(40);
    ExportPages(*model->Snapshot(), folder.Root().wstring());
    EXPECT_FALSE(std::filesystem::exists(folder.Path("40.html")));
    EXPECT_TRUE(std::filesystem::exists(folder.Path("41.html")));
    EXPECT_TRUE(std::filesystem::exists(folder.Path("about.html")));
    EXPECT_TRUE(std::filesystem::exists(folder.Path("1.html")));
}

TEST(ExportFailure, PagesThatFailLeaveTheFolderAsItWas)
{
    auto model = TestSupport::MakeExportBook();
    model->SetSectionText(3, std::wstring(100000, L'x'));
    TempFolder folder;
    WriteBytes(folder.Path("1.html"), "old page 1");
    WriteBytes(folder.Path("5.html"), "old page 5");
    {
        TestSupport::FileSizeLimit limit(4096);
        EXPECT_THROW(ExportPages(*model->Snapshot(), folder.Root().wstring()), ExportException);
    }
    std::filesystem::create_directory(folder.Path("3.html"));
    try {
        ExportPages(*model->Snapshot(), folder.Root().wstring());
        ADD_FAILURE() << "pages were written over a folder";
    } catch (const ExportException& error) {
        EXPECT_NE(std::string(error.what()).find("3.html"), std::string::npos) << error.what();
    }
    EXPECT_EQ(Names(folder.Root()), (std::vector<std::string>{"1.html", "3.html", "5.html"}));
    EXPECT_EQ(ReadBytes(folder.Path("1.html")), "old page 1");
    EXPECT_EQ(ReadBytes(folder.Path("5.html")), "old page 5");
}

// A link planted in the folder is replaced by the page; what it points to is left alone.
TEST(ExportFailure, PagesReplaceLinksInTheFolderWithoutFollowingThem)
{
    const auto model = TestSupport::MakeExportBook();
    TempFolder outside;
    TempFolder folder;
    WriteBytes(outside.Path("precious.txt"), "keep me");
    std::filesystem::create_symlink(outside.Path("precious.txt"), folder.Path("1.html"));
    ExportPages(*model->Snapshot(), folder.Root().wstring());
    EXPECT_EQ(ReadBytes(outside.Path("precious.txt")), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.Path("1.html")));
    EXPECT_NE(ReadBytes(folder.Path("1.html")).find("<h2 class=\"sectionNumber\">1</h2>"), std::string::npos);
    EXPECT_EQ(Names(folder.Root()), (std::vector<std::string>{"1.html", "3.html", "5.html", "styles.css"}));
}

// The exporter sees a failed write as it happens, and the error it passes on names the file.
TEST(ExportFailure, AWriteThatFailsNamesTheFile)
{
    auto large = TestSupport::MakeExportBook();
    large->SetSectionText(1, std::wstring(100000, L'x'));
    TempFolder folder;
    TestSupport::FileSizeLimit limit(4096);
    ExportFile file(folder.WidePath("book.json"));
    try {
        JsonExporter().Export(*large->Snapshot(), file.Stream());
        file.Close();
        ADD_FAILURE() << "the export looked like a success";
    } catch (const ExportException& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot write the file \"" + folder.Path("book.json").string() +
                                                 "\": the file would be larger than this system allows (File too large).");
    }
}

TEST(ExportFailure, ABookWithoutSectionsExportsOnlyTheStyleSheet)
{
    const auto model = TestSupport::MakeEmptyBook(L"");
    TempFolder folder;
    ExportPages(*model->Snapshot(), folder.Root().wstring());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Root())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"styles.css"});
}

}  // namespace
