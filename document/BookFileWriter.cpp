#include "document/BookFileWriter.h"

#include "document/BookFileValues.h"
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

// visitChoices calls its argument with each of the section's choices, in order.
template <class VisitChoices>
void WriteSection(XmlTextWriter& writer, const Section& section, std::size_t choiceCount, VisitChoices visitChoices)
{
    writer.Start(L"section");
    writer.Leaf(L"number", std::to_wstring(section.number));
    writer.Leaf(L"shiftable", BooleanText(section.shiftable));
    writer.Leaf(L"summary", section.summary);
    WriteParagraphs(writer, L"text", section.text);
    writer.Leaf(L"backgroundcolour", CommonLib::ColourUtilities::ToString(section.backgroundColour));
    if (choiceCount == 0) {
        writer.Leaf(L"choices", L"");
    } else {
        writer.Start(L"choices");
        visitChoices([&writer](const Choice& choice) { WriteChoice(writer, choice); });
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

// The book-wide values of the file, where they lie: in the open book or in a copy of it.
struct BookValues {
    const std::wstring& title;
    const BookDetails& details;
    const std::wstring& footer;
    const std::wstring& choiceFormat;
    bool newPagePerSection;
    CommonLib::Font mainFont;
    CommonLib::Font headerFont;
    CommonLib::Font footerFont;
};

// walkSections calls its argument with each section, its number of choices and a visitor
// of its choices, in ascending order.
template <class WalkSections>
std::string BookText(const BookValues& book, bool hasSections, WalkSections walkSections)
{
    XmlTextWriter writer;
    writer.StartWithAttribute(L"book", L"version", L"2");
    writer.Leaf(L"title", book.title);
    writer.Leaf(L"author", book.details.author);
    writer.Leaf(L"language", book.details.language);
    writer.Leaf(L"identifier", boost::uuids::to_wstring(book.details.identifier));
    // Only imported stories have these, so a book begun here is written as before.
    if (!book.details.storyFormat.empty() || !book.details.storyFormatVersion.empty()) {
        writer.Leaf(L"storyFormat", book.details.storyFormat);
        writer.Leaf(L"storyFormatVersion", book.details.storyFormatVersion);
    }
    if (!hasSections) {
        writer.Leaf(L"sections", L"");
    } else {
        writer.Start(L"sections");
        walkSections([&writer](const Section& section, std::size_t choiceCount, auto visitChoices) {
            WriteSection(writer, section, choiceCount, visitChoices);
        });
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
    return writer.Text();
}

}  // namespace

std::string BookFileText(const TarnDataModel& model)
{
    const StoryGraph& graph = model.GetStoryGraph();
    return BookText({model.GetTitle(), model.GetDetails(), model.GetFooter(), model.GetChoiceFormat(), model.GetNewPagePerSection(),
                     model.GetFont(FontType::MainBook), model.GetFont(FontType::Header), model.GetFont(FontType::Footer)},
                    graph.SectionCount() > 0, [&graph](auto write) {
                        graph.VisitSections([&](const Section& section) {
                            write(section, graph.ChoiceCount(section.number),
                                  [&](auto visit) { graph.VisitSectionChoices(section.number, false, visit); });
                        });
                    });
}

std::string BookFileText(const BookCopy& book)
{
    return BookText(
        {book.title, book.details, book.footer, book.choiceFormat, book.newPagePerSection, book.mainFont, book.headerFont, book.footerFont},
        !book.sections.empty(), [&book](auto write) {
            const Choice* next = book.choices.data();
            for (std::size_t index = 0; index < book.sections.size(); ++index) {
                const Choice* const first = next;
                const std::size_t count = book.choiceCounts[index];
                next += count;
                write(book.sections[index], count, [first, count](auto visit) {
                    for (const Choice* choice = first; choice != first + count; ++choice) {
                        visit(*choice);
                    }
                });
            }
        });
}

void WriteBookFile(const std::string& fileName, const std::string& text)
{
    ReplacingFile file(fileName);
    file.Stream().write(text.data(), static_cast<std::streamsize>(text.size()));
    file.Commit();
}

}  // namespace TarnViewModel
