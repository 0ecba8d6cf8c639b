// SPDX-License-Identifier: MIT
#include "export/EpubExporter.h"
#include "export/ExportFile.h"
#include "export/ExporterSelection.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "support/ExportBooks.h"
#include "support/ProgramOutput.h"
#include "support/TempFolder.h"

#include <boost/uuid/uuid_io.hpp>
#include <gtest/gtest.h>
#include <zip.h>

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>

namespace {

using namespace TarnViewModel;
using TestSupport::TempFolder;

const std::chrono::system_clock::time_point Modified = std::chrono::system_clock::from_time_t(1796601600);

std::array<CommonLib::Font, 4> Fonts(const TarnDataModel& model)
{
    using CommonLib::FontType;
    return {model.GetFont(FontType::MainBook), model.GetFont(FontType::SectionNumber), model.GetFont(FontType::Header),
            model.GetFont(FontType::Footer)};
}

std::string Epub(const TarnDataModel& model)
{
    std::ostringstream output;
    EpubExporter(Fonts(model), model.GetNewPagePerSection(), Modified).Export(*model.Snapshot(), output);
    return output.str();
}

// The archive's entries in their order, read back through libzip.
std::vector<std::pair<std::string, std::string>> Entries(const std::string& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    EXPECT_NE(archive, nullptr) << zip_error_strerror(&error);
    zip_error_fini(&error);
    std::vector<std::pair<std::string, std::string>> entries;
    if (archive == nullptr) {
        zip_source_free(source);
        return entries;
    }
    for (zip_int64_t index = 0; index < zip_get_num_entries(archive, 0); ++index) {
        zip_stat_t stat;
        zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat);
        std::string contents(static_cast<std::size_t>(stat.size), '\0');
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0);
        zip_fread(file, contents.data(), contents.size());
        zip_fclose(file);
        entries.emplace_back(stat.name, contents);
    }
    zip_discard(archive);
    return entries;
}

// What epubcheck says of the file, and whether it found nothing to report.
std::pair<bool, std::string> EpubCheck(const std::filesystem::path& path)
{
    // Run through Java, as the command itself needs the system to know jar files.
    const auto [status, report] = TestSupport::RunProgram("java -jar /usr/share/java/epubcheck.jar --quiet '" + path.string() + "' 2>&1");
    return {status == 0 && report.find("WARNING") == std::string::npos && report.find("ERROR") == std::string::npos, report};
}

void WriteEpub(const TarnDataModel& model, const std::filesystem::path& path)
{
    ExportFile file(path.wstring(), ReplacingFile::Sync::OnCommit, ExportLineEnds(7));
    const TarnViewModel::SharedBook book = model.Snapshot();
    CreateBookExporter(*book, 7)->Export(*book, file.Stream());
    file.Close();
}

TEST(EpubExport, EpubCheckFindsNothingInHostileRealAndEmptyBooks)
{
    TempFolder folder;
    auto hostile = TestSupport::MakeExportBook();
    hostile->SetSectionText(5, L"Tab\there, bell \a, form \f, nul-free \u0001, lone \uFFFE and \U0001F409 <script>&amp;]]>");
    hostile->SetTitle(L" <Hostile> & \"quoted\" \u0007");
    hostile->SetNewPagePerSectionRecorded(true);
    hostile->SetMainFont(CommonLib::Font{L"Odd \"Face\" \\ {x}", 11});
    WriteEpub(*hostile, folder.Path("hostile.epub"));
    const auto [hostileClean, hostileReport] = EpubCheck(folder.Path("hostile.epub"));
    EXPECT_TRUE(hostileClean) << hostileReport;

    auto real = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400));
    WriteEpub(*real, folder.Path("real.epub"));
    const auto [realClean, realReport] = EpubCheck(folder.Path("real.epub"));
    EXPECT_TRUE(realClean) << realReport;

    TarnDataModel empty;
    empty.NewBook(L"", L"");
    empty.DeleteSectionAndChoices(1);
    WriteEpub(empty, folder.Path("empty.epub"));
    const auto [emptyClean, emptyReport] = EpubCheck(folder.Path("empty.epub"));
    EXPECT_TRUE(emptyClean) << emptyReport;
}

TEST(EpubExport, TheMimetypeComesFirstStoredAndTheSameBookGivesTheSameBytes)
{
    auto book = TestSupport::MakeExportBook();
    const std::string bytes = Epub(*book);
    // The first local header: its compression method, then the name and the contents.
    ASSERT_GT(bytes.size(), 58u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("PK\x03\x04", 4));
    EXPECT_EQ(bytes[8], 0) << "the mimetype is compressed";
    EXPECT_EQ(bytes[28], 0) << "the mimetype carries an extra field";
    EXPECT_EQ(bytes.substr(30, 28), "mimetypeapplication/epub+zip");
    EXPECT_EQ(Epub(*book), bytes);
}

TEST(EpubExport, ChoicesLinkToTheirSectionsHiddenOnesAreLeftOutAndThePackageNamesTheBook)
{
    auto book = TestSupport::MakeExportBook();
    std::map<std::string, std::string> entries;
    for (auto& [name, contents] : Entries(Epub(*book))) {
        entries[name] = contents;
    }
    const std::string& sections = entries["EPUB/sections-1.xhtml"];
    EXPECT_NE(sections.find("<li>Go &lt;b&gt;north&lt;/b&gt;, turn to <a href=\"sections-1.xhtml#s3\">3</a></li>"), std::string::npos)
        << sections;
    EXPECT_NE(sections.find("<li>Wait<br/>longer, turn to <a href=\"sections-1.xhtml#s1\">1</a></li>"), std::string::npos);
    EXPECT_NE(sections.find("<li>Turn to <a href=\"sections-1.xhtml#s5\">5</a></li>"), std::string::npos);
    EXPECT_EQ(sections.find("Secret"), std::string::npos);
    EXPECT_EQ(sections.find("Back"), std::string::npos);
    EXPECT_NE(sections.find("<p>Start &quot;here&quot;.</p>"), std::string::npos);

    const std::string& package = entries["EPUB/package.opf"];
    EXPECT_NE(package.find("<dc:identifier id=\"book-id\">urn:uuid:" + boost::uuids::to_string(book->GetDetails().identifier)),
              std::string::npos);
    EXPECT_NE(package.find("<dc:title>Caf\xC3\xA9 &lt;Quest&gt; &amp; {Co}/1</dc:title>"), std::string::npos);
    EXPECT_NE(package.find("<dc:creator>Ann &quot;A&quot; &lt;Smith&gt; &amp; Co</dc:creator>"), std::string::npos);
    EXPECT_NE(package.find("<dc:language>en-GB</dc:language>"), std::string::npos);
    EXPECT_NE(package.find("<meta property=\"dcterms:modified\">2026-12-07T00:00:00Z</meta>"), std::string::npos);
    EXPECT_NE(entries["EPUB/nav.xhtml"].find("<li><a href=\"sections-1.xhtml#s5\">5</a></li>"), std::string::npos);
}

TEST(EpubExport, SectionsGoInBlocksAndLinksCrossThem)
{
    auto book = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400));
    const auto entries = Entries(Epub(*book));
    std::size_t documents = 0;
    for (const auto& [name, contents] : entries) {
        documents += name.rfind("EPUB/sections-", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(documents, (400 + EpubExporter::SectionsPerDocument - 1) / EpubExporter::SectionsPerDocument);
    EXPECT_EQ(entries.front().first, "mimetype");
}

}  // namespace
