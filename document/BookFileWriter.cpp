#include "document/BookFileWriter.h"

#include "document/BookFileValues.h"
#include "document/ReplacingFile.h"
#include "document/TarnDataModel.h"
#include "document/XmlTextWriter.h"

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

void WriteSection(XmlTextWriter& writer, const StoryGraph& graph, const Section& section)
{
    writer.Start(L"section");
    writer.Leaf(L"number", std::to_wstring(section.number));
    writer.Leaf(L"shiftable", BooleanText(section.shiftable));
    writer.Leaf(L"summary", section.summary);
    WriteParagraphs(writer, L"text", section.text);
    writer.Leaf(L"backgroundcolour", CommonLib::ColourUtilities::ToString(section.backgroundColour));
    if (graph.ChoiceCount(section.number) == 0) {
        writer.Leaf(L"choices", L"");
    } else {
        writer.Start(L"choices");
        graph.VisitSectionChoices(section.number, false, [&writer](const Choice& choice) { WriteChoice(writer, choice); });
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

// Everything the file holds, where it lies: in the open book or in a copy of it.
struct BookParts {
    const std::wstring& title;
    const StoryGraph& graph;
    const std::wstring& footer;
    const std::wstring& choiceFormat;
    bool newPagePerSection;
    CommonLib::Font mainFont;
    CommonLib::Font headerFont;
    CommonLib::Font footerFont;
};

std::string PartsText(const BookParts& book, const std::string& fileName)
{
    XmlTextWriter writer;
    writer.StartWithAttribute(L"book", L"version", L"2");
    writer.Leaf(L"title", book.title);
    const StoryGraph& graph = book.graph;
    if (graph.SectionCount() == 0) {
        writer.Leaf(L"sections", L"");
    } else {
        writer.Start(L"sections");
        graph.VisitSections([&](const Section& section) { WriteSection(writer, graph, section); });
        writer.End(L"sections");
    }
    WriteParagraphs(writer, L"footer", book.footer);
    writer.Start(L"formats");
    writer.Leaf(L"choice", book.choiceFormat);
    writer.End(L"formats");
    writer.Start(L"options");
    writer.Leaf(L"newpagepersection", BooleanText(book.newPagePerSection));
    writer.End(L"options");
    writer.Start(L"styles");
    WriteStyle(writer, L"text", book.mainFont);
    WriteStyle(writer, L"header", book.headerFont);
    WriteStyle(writer, L"footer", book.footerFont);
    writer.End(L"styles");
    writer.End(L"book");
    return writer.Text(fileName);
}

// The font of the role that the contents list last, or the new book's.
CommonLib::Font FontOf(const BookFileContents& contents, FontType type, const CommonLib::Font& fallback)
{
    CommonLib::Font font = fallback;
    for (const auto& [role, listed] : contents.fonts) {
        if (role == type) {
            font = listed;
        }
    }
    return font;
}

}  // namespace

std::string BookFileText(const TarnDataModel& model, const std::string& fileName)
{
    return PartsText({model.GetTitle(), model.GetStoryGraph(), model.GetFooter(), model.GetChoiceFormat(), model.GetNewPagePerSection(),
                      model.GetFont(FontType::MainBook), model.GetFont(FontType::Header), model.GetFont(FontType::Footer)},
                     fileName);
}

std::string BookFileText(const BookFileContents& contents, const std::string& fileName)
{
    return PartsText({contents.title, contents.graph, contents.footer, contents.choiceFormat, contents.newPagePerSection,
                      FontOf(contents, FontType::MainBook, {L"Cambria", 10}), FontOf(contents, FontType::Header, {L"Cambria", 36}),
                      FontOf(contents, FontType::Footer, {L"Consolas", 8})},
                     fileName);
}

void WriteBookFile(const std::string& fileName, const std::string& text)
{
    ReplacingFile file(fileName);
    file.Stream().write(text.data(), static_cast<std::streamsize>(text.size()));
    file.Commit();
}

}  // namespace TarnViewModel
