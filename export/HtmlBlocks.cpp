// SPDX-License-Identifier: MIT
#include "export/HtmlBlocks.h"

#include "document/BookSnapshot.h"
#include "export/ExportText.h"
#include "export/FormatChoice.h"

#include <boost/algorithm/string/replace.hpp>

namespace TarnViewModel {

void WriteHtmlLine(std::ostream& output, int indent, const std::string& content)
{
    output << std::string(static_cast<std::size_t>(indent), ' ') << content << '\n';
}

void WriteHtmlStart(std::ostream& output, const BookDetails& details)
{
    const std::string language = XmlEscaped(details.language);
    WriteHtmlLine(output, 0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    WriteHtmlLine(output, 0, "<html lang=\"" + language + "\" xml:lang=\"" + language + "\">");
}

void WriteAuthorMeta(std::ostream& output, int indent, const BookDetails& details)
{
    if (!details.author.empty()) {
        WriteHtmlLine(output, indent, "<meta name=\"author\" content=\"" + XmlEscaped(details.author) + "\" />");
    }
}

void WriteStyleRules(std::ostream& output, const std::array<CommonLib::Font, 4>& fonts, int selectorIndent, int propertyIndent)
{
    const auto rule = [&](const char* selector, std::initializer_list<std::string> properties) {
        WriteHtmlLine(output, selectorIndent, selector);
        WriteHtmlLine(output, selectorIndent, "{");
        for (const std::string& property : properties) {
            WriteHtmlLine(output, propertyIndent, property);
        }
        WriteHtmlLine(output, selectorIndent, "}");
    };
    const auto family = [](const CommonLib::Font& font, const char* generic) {
        return "font-family: " + Utf8(font.faceName) + ", " + generic + ";";
    };
    const auto size = [](const CommonLib::Font& font) { return "font-size: " + FontSizeText(font.size) + "pt;"; };
    const auto& [main, number, header, footer] = fonts;
    rule("h1", {"text-align: center;", family(header, "serif"), size(header)});
    rule("body", {family(main, "sans-serif"), size(main)});
    rule(".sectionNumber", {family(number, "sans-serif"), size(number), "font-weight: bold;"});
    rule(".footer", {family(footer, "sans-serif"), size(footer), "font-style: italic;", "text-align: center;"});
    rule("ul", {"list-style: none;"});
}

void WriteParagraphs(std::ostream& output, int indent, const std::wstring& text)
{
    for (const std::wstring& piece : PiecesBetweenLineBreaks(text)) {
        WriteHtmlLine(output, indent, "<p>" + Utf8(piece) + "</p>");
    }
}

void WriteSectionContents(std::ostream& output, const Section& section, const BookSnapshot& book, const LinkTemplate& link)
{
    WriteHtmlLine(output, 4, "<div class=\"sectionText\">");
    WriteParagraphs(output, 6, section.text);
    WriteHtmlLine(output, 4, "</div>");
    if (!book.HasChoices(section.number, false)) {
        return;
    }
    WriteHtmlLine(output, 4, "<ul class=\"sectionChoices\">");
    book.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
        if (!choice.hidden) {
            const std::wstring format =
                boost::algorithm::replace_all_copy(book.GetChoiceFormat(), std::wstring(L"{{destination}}"), link(choice));
            const auto formatted = FormatChoice(choice.text, choice.destination, format);
            WriteHtmlLine(output, 6, "<li class=\"choice\">" + Utf8(formatted.text) + "</li>");
        }
    });
    WriteHtmlLine(output, 4, "</ul>");
}

}  // namespace TarnViewModel
