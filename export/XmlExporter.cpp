// SPDX-License-Identifier: MIT
#include "export/XmlExporter.h"

#include "document/BookSnapshot.h"
#include "document/XmlTextWriter.h"
#include "export/ExportText.h"

namespace TarnViewModel {

namespace {

// Characters that XML 1.0 allows nowhere, not even as references, are left out, so that
// one pasted control character cannot make the whole file unreadable.
bool AllowedInXml(wchar_t character)
{
    const auto code = static_cast<std::uint32_t>(character);
    if (code < 0x20) {
        return code == 0x09 || code == 0x0A || code == 0x0D;
    }
    return (code < 0xD800 || code > 0xDFFF) && code != 0xFFFE && code != 0xFFFF && code <= 0x10FFFF;
}

std::wstring Value(const std::wstring& text)
{
    std::wstring allowed;
    allowed.reserve(text.size());
    for (wchar_t character : text) {
        if (AllowedInXml(character)) {
            allowed += character;
        }
    }
    return allowed;
}

}  // namespace

// The layout is that of the property-tree library's XML writer with two spaces per level.
void XmlExporter::Export(const BookSnapshot& book, std::ostream& output)
{
    XmlTextWriter writer(' ', 2);
    writer.Start(L"book");
    writer.Leaf(L"version", L"2");
    writer.Leaf(L"title", Value(book.GetTitle()));
    if (book.SectionCount() == 0) {
        writer.Leaf(L"sections", L"");
    } else {
        writer.Start(L"sections");
        book.VisitSections([&](const Section& section) {
            writer.StartWithAttribute(L"section", L"number", std::to_wstring(section.number));
            writer.Leaf(L"text", Value(ReducedLineBreaks(section.text)));
            if (book.HasChoices(section.number, true)) {
                writer.Start(L"choices");
                book.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
                    writer.Start(L"choice");
                    writer.Leaf(L"text", Value(ReducedLineBreaks(choice.text)));
                    writer.Leaf(L"destination", std::to_wstring(choice.destination));
                    writer.Leaf(L"hidden", choice.hidden ? L"true" : L"false");
                    writer.End(L"choice");
                });
                writer.End(L"choices");
            }
            writer.End(L"section");
        });
        writer.End(L"sections");
    }
    writer.Leaf(L"footer", Value(ReducedLineBreaks(book.GetFooter())));
    writer.End(L"book");
    output << writer.Text();
}

}  // namespace TarnViewModel
