// SPDX-License-Identifier: MIT
#include "export/RtfExporter.h"

#include "document/BookSnapshot.h"
#include "export/ExportText.h"
#include "export/FormatChoice.h"

namespace TarnViewModel {

using CommonLib::FontType;

namespace {

void AppendUnit(std::string& rtf, std::uint32_t unit)
{
    rtf += "\\u" + std::to_string(unit) + "\\'3f";
}

// ASCII stays as it is, except the three characters that Rich Text reserves; every other
// character becomes one escape per UTF-16 unit, with a question mark as the fallback.
// CR LF pairs become paragraph marks when asked for.
std::string Escaped(const std::wstring& text, bool paragraphs)
{
    std::string rtf;
    rtf.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const auto code = static_cast<std::uint32_t>(text[index]);
        if (paragraphs && code == L'\r' && index + 1 < text.size() && text[index + 1] == L'\n') {
            rtf += "\\par ";
            ++index;
        } else if (code == '\\' || code == '{' || code == '}') {
            rtf += '\\';
            rtf += static_cast<char>(code);
        } else if (code < 0x80) {
            rtf += static_cast<char>(code);
        } else if (code < 0x10000) {
            AppendUnit(rtf, code);
        } else {
            const std::uint32_t offset = code - 0x10000;
            AppendUnit(rtf, 0xD800 + ((offset >> 10) & 0x3FF));
            AppendUnit(rtf, 0xDC00 + (offset & 0x3FF));
        }
    }
    return rtf;
}

}  // namespace

RtfExporter::RtfExporter(const std::array<CommonLib::Font, 4>& fonts, bool newPagePerSection)
    : fonts_(fonts), newPagePerSection_(newPagePerSection)
{}

std::string RtfExporter::Selector(FontType type) const
{
    const auto index = static_cast<std::size_t>(type);
    return "\\f" + std::to_string(index) + "\\fs" + FontSizeText(fonts_[index].size, 2);
}

void RtfExporter::Export(const BookSnapshot& book, std::ostream& output)
{
    output << "{\\rtf1\\adeflang1025\\ansi\\deff0{\\fonttbl";
    for (std::size_t index = 0; index < fonts_.size(); ++index) {
        output << "{\\f" << index << "\\fnil " << Escaped(fonts_[index].faceName, false) << "; } ";
    }
    output << "}\n";
    output << "{\\*\\generator Brindle Story Studio;}\\viewkind4\\uc1\\pard\\lang2057\n";
    output << "\\qc\\b" << Selector(FontType::Header) << ' ' << Escaped(book.GetTitle(), false) << "\\b0\\par\n";
    book.VisitSections([&](const Section& section) {
        output << Selector(FontType::SectionNumber) << "\\pard" << (newPagePerSection_ ? "\\page" : "") << "\\par\n";
        output << "\\b " << section.number << "\\b0" << Selector(FontType::MainBook) << "\\par\n";
        output << Escaped(section.text, true) << "\\par\n";
        if (!book.HasChoices(section.number, false)) {
            return;
        }
        output << "\\par\n";
        book.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
            if (!choice.hidden) {
                const auto formatted = FormatChoice(choice.text, choice.destination, book.GetChoiceFormat());
                output << Escaped(formatted.text, true) << "\\par\n";
            }
        });
    });
    output << "{\\footer\n";
    output << "\\pard\\qc" << Selector(FontType::Footer) << ' ' << Escaped(book.GetFooter(), true) << '\n';
    output << "}\n}\n";
}

}  // namespace TarnViewModel
