// SPDX-License-Identifier: MIT
#include "export/HtmlExporter.h"

#include "document/BookSnapshot.h"
#include "export/ExportText.h"
#include "export/HtmlBlocks.h"

namespace TarnViewModel {

HtmlExporter::HtmlExporter(const std::array<CommonLib::Font, 4>& fonts) : fonts_(fonts) {}

void HtmlExporter::Export(const BookSnapshot& book, std::ostream& output)
{
    const std::string title = Utf8(book.GetTitle());
    WriteHtmlStart(output, book.GetDetails());
    WriteHtmlLine(output, 0, "<head>");
    WriteHtmlLine(output, 0, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />");
    WriteAuthorMeta(output, 0, book.GetDetails());
    WriteHtmlLine(output, 0, "<style type=\"text/css\">");
    WriteStyleRules(output, fonts_, 2, 4);
    WriteHtmlLine(output, 0, "</style>");
    WriteHtmlLine(output, 0, "<title>" + title + "</title>");
    WriteHtmlLine(output, 0, "</head>");
    WriteHtmlLine(output, 0, "<body>");
    WriteHtmlLine(output, 0, "<div class=\"book\">");
    WriteHtmlLine(output, 2, "<h1>" + title + "</h1>");
    const auto link = [](const Choice&) { return std::wstring(L"<a href=\"#{{destination}}\">{{destination}}</a>"); };
    book.VisitSections([&](const Section& section) {
        const std::string number = std::to_string(section.number);
        WriteHtmlLine(output, 2, "<div class=\"section\">");
        WriteHtmlLine(output, 4, "<h2 class=\"sectionNumber\"><a name=\"" + number + "\">" + number + "</a></h2>");
        WriteSectionContents(output, section, book, link);
        WriteHtmlLine(output, 2, "</div>");
    });
    WriteHtmlLine(output, 2, "<div class=\"footer\">");
    WriteParagraphs(output, 4, book.GetFooter());
    WriteHtmlLine(output, 2, "</div>");
    WriteHtmlLine(output, 0, "</div>");
    WriteHtmlLine(output, 0, "</body>");
    output << "</html>";
}

}  // namespace TarnViewModel
