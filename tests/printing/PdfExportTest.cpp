// SPDX-License-Identifier: MIT
#include "export/ExportException.h"
#include "printing/PdfBookWriter.h"
#include "printing/PdfLinks.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "support/ExportBooks.h"
#include "support/ProgramOutput.h"
#include "support/TempFolder.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

using namespace Printing;
using TarnViewModel::TarnDataModel;
using testing::HasSubstr;
using testing::Not;
using TestSupport::RunProgram;
using TestSupport::TempFolder;

// A link annotation as read back; its page counts from 1, as poppler counts.
using Link = Printing::PdfLink;

// The link annotations of a PDF and the pages they are on.
std::vector<Link> LinksOf(const std::string& bytes)
{
    QPDF file;
    file.processMemoryFile("book.pdf", bytes.data(), bytes.size());
    std::vector<Link> links;
    std::size_t page = 0;
    for (QPDFPageObjectHelper& pageObject : QPDFPageDocumentHelper(file).getAllPages()) {
        ++page;
        for (QPDFAnnotationObjectHelper& annotation : pageObject.getAnnotations("/Link")) {
            const QPDFObjectHandle::Rectangle area = annotation.getRect();
            const std::string name = annotation.getObjectHandle().getKey("/Dest").getName();
            links.push_back({page, area.llx, area.lly, area.urx, area.ury, static_cast<std::uint32_t>(std::stoul(name.substr(2)))});
        }
    }
    return links;
}

// A PDF written to a file and read back with poppler's tools and qpdf.
class WrittenPdf {
public:
    WrittenPdf(const TarnDataModel& model, const Printing::PageSetup& setup = {})
        : bytes_(*Printing::WritePdfBook(Printing::CopyPrintedBook(*model.Snapshot()), setup)), path_(folder_.Path("book.pdf"))
    {
        std::ofstream(path_, std::ios::binary) << bytes_;
    }

    // pdffonts' table of the fonts, one line each after its two heading lines.
    std::vector<std::string> Fonts() const
    {
        std::vector<std::string> fonts;
        std::istringstream table(Run("pdffonts", ""));
        for (std::string line; std::getline(table, line);) {
            fonts.push_back(line);
        }
        return fonts.size() > 2 ? std::vector<std::string>(fonts.begin() + 2, fonts.end()) : std::vector<std::string>{};
    }

    // pdfinfo's report; any complaint about the file's structure goes into it too.
    std::string Info(const std::string& options = "") const { return Run("pdfinfo " + options, ""); }

    // The text of each page, in order.
    std::vector<std::string> Pages() const
    {
        std::vector<std::string> pages;
        std::istringstream text(Run("pdftotext -enc UTF-8"));
        for (std::string page; std::getline(text, page, '\f');) {
            pages.push_back(Plain(page));
        }
        return pages;
    }

    // The text inside an area of a page given in the PDF's points from the bottom left.
    std::string TextIn(std::size_t page, double left, double bottom, double right, double top, double pageHeight) const
    {
        std::ostringstream options;
        options << "pdftotext -f " << page << " -l " << page << " -x " << static_cast<int>(left) << " -y "
                << static_cast<int>(pageHeight - top) << " -W " << static_cast<int>(right - left + 1) << " -H "
                << static_cast<int>(top - bottom + 1);
        return Run(options.str());
    }

    // Named destinations and the pages, from 1, that they go to.
    std::map<std::string, std::size_t> Destinations() const
    {
        std::map<std::string, std::size_t> destinations;
        const std::string listed = Info("-dests");
        const std::regex line(R"re(\n\s*(\d+) \[ XYZ[^\]]*\] "([^"]+)")re");
        for (auto match = std::sregex_iterator(listed.begin(), listed.end(), line); match != std::sregex_iterator(); ++match) {
            destinations[(*match)[2]] = std::stoul((*match)[1]);
        }
        return destinations;
    }

    // The link annotations and the pages they are on, read with qpdf.
    std::vector<Link> Links() const { return LinksOf(bytes_); }

    // The language the catalog gives the document.
    std::string Language() const
    {
        QPDF file;
        file.processMemoryFile("book.pdf", bytes_.data(), bytes_.size());
        return file.getRoot().getKey("/Lang").getUTF8Value();
    }

    // qpdf's own check of the file's structure.
    std::string Check() const { return Run("qpdf --check", ""); }

private:
    // pdftotext writes to the file named after the PDF's, or to standard output for "-".
    std::string Run(const std::string& command, const std::string& output = " -") const
    {
        return RunProgram(command + " '" + path_.string() + "'" + output + " 2>&1").text;
    }

    // Ligatures as the letters they join, so that the text is searched as the reader types it.
    static std::string Plain(std::string text)
    {
        for (const auto& [ligature, letters] : {std::pair{"\xEF\xAC\x81", "fi"}, {"\xEF\xAC\x82", "fl"}, {"\xEF\xAC\x80", "ff"}}) {
            for (std::size_t found = text.find(ligature); found != std::string::npos; found = text.find(ligature, found)) {
                text.replace(found, 3, letters);
            }
        }
        return text;
    }

    TempFolder folder_;
    std::string bytes_;
    std::filesystem::path path_;
};

// The page's lines without the spaces pdftotext may put around them.
std::vector<std::string> Lines(const std::string& page)
{
    std::vector<std::string> lines;
    std::istringstream text(page);
    for (std::string line; std::getline(text, line);) {
        const auto first = line.find_first_not_of(' ');
        lines.push_back(first == std::string::npos ? "" : line.substr(first, line.find_last_not_of(' ') - first + 1));
    }
    return lines;
}

bool HasLine(const std::string& page, const std::string& line)
{
    const std::vector<std::string> lines = Lines(page);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string AllText(const std::vector<std::string>& pages)
{
    std::string text;
    for (const std::string& page : pages) {
        text += page + "\n";
    }
    return text;
}

TEST(PdfExport, TheBookReadsBackWithItsNumbersVisibleChoicesFooterAndDetails)
{
    const auto model = TestSupport::MakeExportBook();
    const WrittenPdf pdf(*model);
    const std::string info = pdf.Info();
    EXPECT_THAT(info, HasSubstr("Title:           Caf\u00e9 <Quest> & {Co}/1\n"));
    EXPECT_THAT(info, HasSubstr("Author:          Ann \"A\" <Smith> & Co\n"));
    EXPECT_THAT(info, HasSubstr("Page size:       595 x 842 pts (A4)"));
    EXPECT_THAT(info, Not(HasSubstr("rror")));
    EXPECT_EQ(pdf.Language(), "en-GB");
    EXPECT_THAT(pdf.Check(), HasSubstr("No syntax or stream encoding errors found"));
    // Every font is embedded and maps its glyphs back to characters, so that text is found.
    const std::vector<std::string> fonts = pdf.Fonts();
    ASSERT_FALSE(fonts.empty());
    for (const std::string& font : fonts) {
        EXPECT_THAT(font, testing::MatchesRegex(".* yes (yes|no) +yes +[0-9]+ +0")) << font;
    }

    const std::vector<std::string> pages = pdf.Pages();
    const std::string text = AllText(pages);
    for (const char* number : {"1", "3", "5"}) {
        EXPECT_TRUE(HasLine(text, number)) << number;
    }
    EXPECT_THAT(text, HasSubstr("Start \"here\".\nA dragon"));
    EXPECT_THAT(text, HasSubstr("Dead end.\nNo way on."));
    EXPECT_TRUE(HasLine(text, "Go <b>north</b>, turn to 3"));
    EXPECT_TRUE(HasLine(text, "longer, turn to 1"));
    // A choice without a text reads as the format's own words, not as ", turn to 5".
    EXPECT_TRUE(HasLine(text, "Turn to 5"));
    EXPECT_THAT(text, Not(HasSubstr("Secret")));
    EXPECT_THAT(text, Not(HasSubstr("Back")));
    for (std::size_t page = 0; page + 1 < pages.size(); ++page) {
        const std::vector<std::string> lines = Lines(pages[page]);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
                  (std::vector<std::string>{"The End", "by A & B", std::to_string(page + 1)}));
    }
}

TEST(PdfExport, HostileTextsGiveAFileThatReadsBack)
{
    auto model = TestSupport::MakeHostileChoiceScriptBook();
    model->SetTitle(std::wstring(L"Nul\0Bell\u0007 (title) \\", 21));
    model->SetAuthor(L"\U0001F409 \u05E9\u05DC\u05D5\u05DD )(");
    std::wstring text(L"Nul\0 bell\u0007 delete\u007F c1\u0085 lone\r cr\n lf", 38);
    text += static_cast<wchar_t>(0xD800);
    text += static_cast<wchar_t>(0x110000);
    text += L" end \u00FC\u00DF \u0416 % ) ( \\ /Dest";
    model->SetSectionText(2, text);
    const WrittenPdf pdf(*model);
    EXPECT_THAT(pdf.Info(), Not(HasSubstr("rror")));
    const std::string read = AllText(pdf.Pages());
    EXPECT_THAT(read, HasSubstr("Nul bell delete c1 lone\ncr\nlf"));
    EXPECT_THAT(read, HasSubstr("end \u00FC\u00DF \u0416 % ) ( \\ /Dest"));
    EXPECT_THAT(read, HasSubstr("*finish"));
    EXPECT_EQ(pdf.Destinations().size(), 3u);
}

TEST(PdfExport, EveryChoiceOfAGeneratedBookLinksToItsSectionsHeading)
{
    const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400));
    const WrittenPdf pdf(*model);
    const std::vector<std::string> pages = pdf.Pages();
    const std::map<std::string, std::size_t> destinations = pdf.Destinations();
    ASSERT_EQ(destinations.size(), 400u);
    for (const auto& [name, page] : destinations) {
        ASSERT_LE(page, pages.size());
        EXPECT_TRUE(HasLine(pages[page - 1], name.substr(1))) << name << " on page " << page;
    }

    std::size_t visible = 0;
    model->GetStoryGraph().VisitChoices([&](const TarnViewModel::Choice& choice) { visible += choice.hidden ? 0 : 1; });
    const std::vector<Link> links = pdf.Links();
    EXPECT_EQ(links.size(), visible);
    for (const Link& link : links) {
        EXPECT_EQ(destinations.count("s" + std::to_string(link.section)), 1u) << link.section;
    }
    // Each link covers its destination's number where it stands on the page.
    for (std::size_t index = 0; index < links.size(); index += links.size() / 25) {
        const Link& link = links[index];
        EXPECT_EQ(pdf.TextIn(link.page, link.left, link.bottom, link.right, link.top, 842), std::to_string(link.section) + "\n\n\f")
            << "link " << index << " on page " << link.page;
    }
    // About four sections to an A4 page of 10-point text.
    EXPECT_GT(pages.size(), 60u);
    EXPECT_LT(pages.size(), 200u);
}

TEST(PdfExport, PagesHaveTheChosenSizeAndNewPagesWhenTheBookAsksForThem)
{
    auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(40));
    const std::pair<Printing::PaperSize, const char*> sizes[] = {{Printing::PaperSize::A4, "595 x 842 pts (A4)"},
                                                                 {Printing::PaperSize::A5, "420 x 595 pts (A5)"},
                                                                 {Printing::PaperSize::Letter, "612 x 792 pts (letter)"},
                                                                 {Printing::PaperSize::Trade6x9, "432 x 648 pts"}};
    std::size_t a4Pages = 0;
    for (const auto& [paper, size] : sizes) {
        const WrittenPdf pdf(*model, {paper, 15});
        EXPECT_THAT(pdf.Info(), HasSubstr("Page size:       " + std::string(size)));
        const std::size_t count = pdf.Pages().size();
        if (paper == Printing::PaperSize::A4) {
            a4Pages = count;
        } else if (paper == Printing::PaperSize::A5) {
            EXPECT_GT(count, a4Pages);
        }
    }

    model->SetNewPagePerSection(true);
    const WrittenPdf pdf(*model);
    std::set<std::size_t> pagesOfSections;
    for (const auto& [name, page] : pdf.Destinations()) {
        pagesOfSections.insert(page);
    }
    EXPECT_EQ(pagesOfSections.size(), 40u);
    EXPECT_EQ(pagesOfSections.count(1), 0u) << "the title has the first page";
}

TEST(PdfExport, AnEmptyBookIsItsTitlePage)
{
    const WrittenPdf pdf(*TestSupport::MakeEmptyBook(L""));
    EXPECT_THAT(pdf.Info(), HasSubstr("Pages:           1\n"));
    EXPECT_TRUE(HasLine(pdf.Pages().front(), "Empty"));
    EXPECT_TRUE(pdf.Destinations().empty());
}

TEST(PdfExport, AStopOrAMarginOutOfRangeGivesNoFile)
{
    const auto model = TestSupport::MakeExportBook();
    std::stop_source stop;
    std::size_t reported = 0;
    const auto pdf = Printing::WritePdfBook(
        Printing::CopyPrintedBook(*model->Snapshot()), {},
        [&](std::size_t done, std::size_t) {
            reported = done;
            stop.request_stop();
        },
        stop.get_token());
    EXPECT_FALSE(pdf);
    EXPECT_EQ(reported, 1u);

    for (const double margin : {4.9, 40.5, -1.0}) {
        try {
            Printing::WritePdfBook(Printing::CopyPrintedBook(*model->Snapshot()), {Printing::PaperSize::A4, margin});
            ADD_FAILURE() << margin;
        } catch (const TarnViewModel::ExportException& error) {
            EXPECT_STREQ(error.what(), "The margin must be from 5 to 40 mm.");
        }
    }
}

// Two pages of text, written again by qpdf with compressed object streams and a
// cross-reference stream, a layout Qt's writer never makes.
std::string TwoPagesRewritten()
{
    QBuffer qtOutput;
    qtOutput.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&qtOutput);
        QPainter painter(&writer);
        painter.drawText(100, 100, QStringLiteral("First"));
        writer.newPage();
        painter.drawText(100, 100, QStringLiteral("Second"));
    }
    const QByteArray pdf = qtOutput.data();
    QPDF file;
    file.processMemoryFile("book.pdf", pdf.constData(), static_cast<std::size_t>(pdf.size()));
    QPDFWriter writer(file);
    writer.setOutputMemory();
    writer.setObjectStreamMode(qpdf_o_generate);
    writer.write();
    const auto buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

TEST(PdfLinks, AFileLaidOutByAnotherWriterStillGetsItsLinks)
{
    const std::string rewritten = TwoPagesRewritten();
    ASSERT_THAT(rewritten, HasSubstr("/ObjStm"));
    ASSERT_THAT(rewritten, Not(HasSubstr("\nxref\n")));
    const std::vector<Printing::PdfLink> links = {{0, 10, 20, 30, 40, 3}, {1, 50, 60, 70, 80, 5}};
    const std::string linked = Printing::WithLinks(rewritten, links, {{1, 72, 700, 3}, {1, 72, 400, 5}}, L"Ann \u00C9", L"fr");

    const std::vector<Link> read = LinksOf(linked);
    ASSERT_EQ(read.size(), 2u);
    for (std::size_t index = 0; index < 2; ++index) {
        EXPECT_EQ(read[index].page, links[index].page + 1);
        EXPECT_EQ(read[index].section, links[index].section);
        EXPECT_DOUBLE_EQ(read[index].left, links[index].left);
        EXPECT_DOUBLE_EQ(read[index].top, links[index].top);
    }
    TempFolder folder;
    std::ofstream(folder.Path("linked.pdf"), std::ios::binary) << linked;
    const std::string path = "'" + folder.Path("linked.pdf").string() + "'";
    const std::string destinations = RunProgram("pdfinfo -dests " + path + " 2>&1").text;
    EXPECT_TRUE(std::regex_search(destinations, std::regex(R"re(\n\s*2 \[ XYZ\s+72\s+700[^\]]*\] "s3")re"))) << destinations;
    EXPECT_THAT(RunProgram("pdfinfo " + path + " 2>&1").text, HasSubstr("Author:          Ann \u00C9\n"));
    EXPECT_THAT(RunProgram("qpdf --check " + path + " 2>&1").text, HasSubstr("No syntax or stream encoding errors found"));
}

TEST(PdfLinks, AFileThatIsNoPdfIsRefusedWithTheReason)
{
    for (const char* file : {"not a PDF", "%PDF-1.4\nxref\n0 1\nbroken\nstartxref\n9\n%%EOF\n"}) {
        try {
            Printing::WithLinks(file, {}, {}, L"", L"");
            ADD_FAILURE() << file;
        } catch (const TarnViewModel::ExportException& error) {
            EXPECT_THAT(error.what(), testing::StartsWith("The PDF could not be given its links: the PDF"));
        }
    }
    try {
        const auto model = TestSupport::MakeExportBook();
        Printing::WithLinks(*Printing::WritePdfBook(Printing::CopyPrintedBook(*model->Snapshot()), {}), {{99, 0, 0, 1, 1, 1}}, {}, L"",
                            L"");
        ADD_FAILURE();
    } catch (const TarnViewModel::ExportException& error) {
        EXPECT_STREQ(error.what(), "The PDF could not be given its links: a link is on a page the file does not have.");
    }
}

}  // namespace
