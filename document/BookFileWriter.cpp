// SPDX-License-Identifier: MIT
#include "document/BookFileWriter.h"

#include "document/BookFileValues.h"
#include "document/NativePath.h"
#include "document/ReplacingFile.h"
#include "document/TarnDataModel.h"
#include "document/XmlTextWriter.h"

#include <boost/uuid/uuid_io.hpp>

namespace TarnViewModel {

using CommonLib::FontType;

namespace {

const std::wstring Separator = L"\r\n";

// A multi-line text as one "p" element per line, numbered from 1 by its "order".
void WriteParagraphs(XmlTextWriter& writer, const wchar_t* name, const std::wstring& text)
{
    if (text.empty()) {
        writer.Leaf(name, text);
        return;
    }
    writer.Start(name);
    std::size_t start = 0;
    for (int order = 1;; ++order) {
        const std::size_t end = text.find(Separator, start);
        writer.LeafWithAttribute(L"p", L"order", std::to_wstring(order), text.substr(start, end - start));
        if (end == std::wstring::npos) {
            break;
        }
        start = end + Separator.size();
    }
    writer.End(name);
}

void WriteChoice(XmlTextWriter& writer, const Choice& choice)
{
    writer.Start(L"choice");
    WriteParagraphs(writer, L"text", choice.text);
    writer.Leaf(L"destination", std::to_wstring(choice.destination));
    writer.Leaf(L"hidden", BooleanText(choice.hidden));
    writer.End(L"choice");
}

void WriteSection(XmlTextWriter& writer, const BookSnapshot& book, const Section& section)
{
    writer.Start(L"section");
    writer.Leaf(L"number", std::to_wstring(section.number));
    writer.Leaf(L"shiftable", BooleanText(section.shiftable));
    writer.Leaf(L"summary", section.summary);
    WriteParagraphs(writer, L"text", section.text);
    writer.Leaf(L"backgroundcolour", CommonLib::ColourUtilities::ToString(section.backgroundColour));
    if (book.ChoiceCount(section.number) == 0) {
        writer.Leaf(L"choices", L"");
    } else {
        writer.Start(L"choices");
        book.VisitSectionChoices(section.number, false, [&writer](const Choice& choice) { WriteChoice(writer, choice); });
        writer.End(L"choices");
    }
    writer.End(L"section");
}

void WriteStyle(XmlTextWriter& writer, const wchar_t* name, const CommonLib::Font& font)
{
    writer.StartWithAttribute(L"style", L"name", name);
    writer.Start(L"font");
    writer.Leaf(L"name", font.faceName);
    writer.Leaf(L"size", std::to_wstring(font.size));
    writer.End(L"font");
    writer.End(L"style");
}

}  // namespace

std::string BookFileText(const BookSnapshot& book)
{
    XmlTextWriter writer;
    writer.StartWithAttribute(L"book", L"version", L"2");
    writer.Leaf(L"title", book.GetTitle());
    const BookDetails& details = book.GetDetails();
    writer.Leaf(L"author", details.author);
    writer.Leaf(L"language", details.language);
    writer.Leaf(L"identifier", boost::uuids::to_wstring(details.identifier));
    // Only imported stories have these, so a book begun here is written as before.
    if (!details.storyFormat.empty() || !details.storyFormatVersion.empty()) {
        writer.Leaf(L"storyFormat", details.storyFormat);
        writer.Leaf(L"storyFormatVersion", details.storyFormatVersion);
    }
    if (book.SectionCount() == 0) {
        writer.Leaf(L"sections", L"");
    } else {
        writer.Start(L"sections");
        book.VisitSections([&writer, &book](const Section& section) { WriteSection(writer, book, section); });
        writer.End(L"sections");
    }
    WriteParagraphs(writer, L"footer", book.GetFooter());
    writer.Start(L"formats");
    writer.Leaf(L"choice", book.GetChoiceFormat());
    writer.End(L"formats");
    writer.Start(L"options");
    writer.Leaf(L"newpagepersection", BooleanText(book.GetNewPagePerSection()));
    writer.End(L"options");
    writer.Start(L"styles");
    WriteStyle(writer, L"text", book.GetFont(FontType::MainBook));
    WriteStyle(writer, L"header", book.GetFont(FontType::Header));
    WriteStyle(writer, L"footer", book.GetFont(FontType::Footer));
    writer.End(L"styles");
    writer.End(L"book");
    return writer.Text();
}

std::string BookFileText(const TarnDataModel& model)
{
    return BookFileText(*model.Snapshot());
}

void WriteBookFile(const std::string& fileName, const std::string& text)
{
    ReplacingFile file(fileName);
    file.Stream().write(text.data(), static_cast<std::streamsize>(text.size()));
    file.Commit();
}

std::optional<FileStamp> WriteBook(const BookSnapshot& book, const std::wstring& path)
{
    const std::string fileName = NativePath(path);
    WriteBookFile(fileName, BookFileText(book));
    return FileStamp::Of(fileName);
}

}  // namespace TarnViewModel
