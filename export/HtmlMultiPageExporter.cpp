// SPDX-License-Identifier: MIT
#include "export/HtmlMultiPageExporter.h"

#include "document/BookSnapshot.h"
#include "export/ExportText.h"
#include "export/HtmlBlocks.h"

namespace TarnViewModel {

namespace {

void WritePageHead(std::ostream& output, const std::wstring& title, const BookDetails* details = nullptr)
{
    if (details) {
        WriteHtmlStart(output, *details);
    } else {
        WriteHtmlLine(output, 0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
        WriteHtmlLine(output, 0, "<html>");
    }
    WriteHtmlLine(output, 0, "<head>");
    WriteHtmlLine(output, 2, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />");
    if (details) {
        WriteAuthorMeta(output, 2, *details);
    }
    WriteHtmlLine(output, 2, "<link rel=\"stylesheet\" href=\"styles.css\" />");
    WriteHtmlLine(output, 2, "<title>" + Utf8(title) + "</title>");
    WriteHtmlLine(output, 0, "</head>");
}

}  // namespace

void HtmlMultiPageExporter::WriteStyleSheet(const CommonLib::Font& mainText, const CommonLib::Font& sectionNumber,
                                            const CommonLib::Font& header, const CommonLib::Font& footer, std::ostream& output)
{
    WriteStyleRules(output, {mainText, sectionNumber, header, footer}, 0, 2);
}

void HtmlMultiPageExporter::WriteTitlePage(const std::wstring& title, std::ostream& output)
{
    WritePageHead(output, title);
    WriteHtmlLine(output, 0, "<body>");
    WriteHtmlLine(output, 0, "<div class=\"book\">");
    WriteHtmlLine(output, 2, "<h1>" + Utf8(title) + "</h1>");
    WriteHtmlLine(output, 0, "</div>");
    WriteHtmlLine(output, 0, "</body>");
    WriteHtmlLine(output, 0, "</html>");
}

void HtmlMultiPageExporter::WriteSectionPage(const Section& section, const BookSnapshot& book, const std::wstring& linkPrefix,
                                             std::ostream& output)
{
    const std::wstring number = std::to_wstring(section.number);
    WritePageHead(output, number, &book.GetDetails());
    WriteHtmlLine(output, 0, "<body>");
    WriteHtmlLine(output, 2, "<div class=\"section\">");
    WriteHtmlLine(output, 4, "<h2 class=\"sectionNumber\">" + Utf8(number) + "</h2>");
    WriteSectionContents(output, section, book, [&linkPrefix](const Choice& choice) {
        return L"<a href=\"" + linkPrefix + std::to_wstring(choice.destination) + L".html\">{{destination}}</a>";
    });
    WriteHtmlLine(output, 2, "</div>");
    WriteHtmlLine(output, 0, "</body>");
    WriteHtmlLine(output, 0, "</html>");
}

}  // namespace TarnViewModel
