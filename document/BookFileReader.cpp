// SPDX-License-Identifier: MIT
#include "document/BookFileReader.h"

#include "document/BookFileText.h"
#include "document/BookFileValues.h"
#include "document/BookLimits.h"
#include "document/BookSize.h"
#include "document/ChoiceTemplates.h"
#include "document/LanguageTag.h"
#include "document/TarnDataModel.h"
#include "document/XmlNodes.h"

#include <boost/locale/encoding_utf.hpp>
#include <boost/property_tree/exceptions.hpp>
#include <boost/property_tree/string_path.hpp>
#include <boost/uuid/string_generator.hpp>

#include <algorithm>
#include <regex>
#include <sstream>
#include <vector>

namespace TarnViewModel {

using boost::property_tree::ptree_bad_data;
using boost::property_tree::ptree_bad_path;
using CommonLib::Font;
using CommonLib::FontType;

namespace {

// Font sizes outside this range fall back to the role's default size; the section-number
// font is three points larger than the main font, so the range also keeps that in bounds.
constexpr std::int32_t LargestFontSize = 1000;

// Every paragraph container holds its lines as child elements and comments, each placed by
// its "order"; the lines are joined with CR LF.
std::wstring ReadParagraphs(const XmlNode& container)
{
    std::vector<std::pair<std::int32_t, std::wstring>> paragraphs;
    for (XmlNode child = container.first_child(); child; child = child.next_sibling()) {
        if (IsElement(child)) {
            const auto order = ReadSigned(AttributeValue(child, "order").value_or(L"")).value_or(0);
            paragraphs.emplace_back(order, ElementText(child));
        } else if (IsComment(child)) {
            paragraphs.emplace_back(0, CommentText(child));
        }
    }
    std::stable_sort(paragraphs.begin(), paragraphs.end(), [](const auto& left, const auto& right) { return left.first < right.first; });
    std::wstring text;
    for (std::size_t index = 0; index < paragraphs.size(); ++index) {
        if (index > 0) {
            text += L"\r\n";
        }
        text += paragraphs[index].second;
    }
    return text;
}

std::wstring OptionalText(const XmlNode& node, const char* name, const std::wstring& fallback = L"")
{
    return ChildText(node, name).value_or(fallback);
}

// A missing or unreadable tag or identifier is replaced as a new book's would be, so that a
// hand-edited file still opens.
BookDetails ReadDetails(const XmlNode& book)
{
    BookDetails details{OptionalText(book, "author"),
                        OptionalText(book, "language"),
                        {},
                        OptionalText(book, "storyFormat"),
                        OptionalText(book, "storyFormatVersion")};
    if (!IsLanguageTag(details.language)) {
        details.language = LocaleLanguageTag();
    }
    static const std::wregex uuid(LR"([0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12})", std::regex::icase);
    const std::wstring identifier = OptionalText(book, "identifier");
    details.identifier = std::regex_match(identifier, uuid) ? boost::uuids::string_generator()(identifier) : Uuid{};
    if (details.identifier.is_nil()) {
        details.identifier = NewId();
    }
    return details;
}

// The text of the element named by two levels of names, as "formats" then "choice".
std::optional<std::wstring> NestedText(const XmlNode& node, const char* parent, const char* name)
{
    const XmlNode container = node.child(parent);
    return container ? ChildText(container, name) : std::nullopt;
}

void EnsureSection(StoryGraph& graph, std::uint32_t number)
{
    if (!graph.HasSection(number)) {
        Section section;
        section.number = number;
        graph.AddSection(section);
    }
}

// Counts the section and choice elements first, so that the graph is built without rehashing.
void ReserveForSections(const XmlNode& sections, StoryGraph& graph)
{
    std::size_t sectionCount = 0;
    std::size_t choiceCount = 0;
    VisitChildren(sections, "section", [&](const XmlNode& section) {
        ++sectionCount;
        if (const XmlNode choices = section.child("choices")) {
            VisitChildren(choices, "choice", [&](const XmlNode&) { ++choiceCount; });
        }
    });
    graph.Reserve(sectionCount, choiceCount);
}

std::optional<std::pair<FontType, Font>> ReadStyle(const XmlNode& node)
{
    const std::wstring name = AttributeValue(node, "name").value_or(L"");
    FontType type;
    Font fallback;
    if (name == L"text") {
        type = FontType::MainBook;
        fallback = Font{L"Cambria", 10};
    } else if (name == L"header") {
        type = FontType::Header;
        fallback = Font{L"Cambria", 36};
    } else if (name == L"footer") {
        type = FontType::Footer;
        fallback = Font{L"Consolas", 8};
    } else {
        return std::nullopt;
    }
    Font font{L"", 0};
    if (const XmlNode fontNode = node.child("font")) {
        font.faceName = OptionalText(fontNode, "name");
        font.size = ReadSigned(OptionalText(fontNode, "size")).value_or(0);
    }
    if (font.size < 1 || font.size > LargestFontSize) {
        font.size = fallback.size;
    }
    return std::make_pair(type, font);
}

// Reads the parsed file into the contents; its errors name the file and the line.
class BookFileParse {
public:
    BookFileParse(const std::string& text, const std::string& fileName) : text_(text), fileName_(fileName) {}

    BookFileContents Read(const XmlNode& book)
    {
        const std::uint32_t version = ReadUnsigned(AttributeValue(book, "version").value_or(L"")).value_or(1);
        BookFileContents contents;
        contents.title = OptionalText(book, "title", L"Untitled");
        contents.details = ReadDetails(book);
        if (const XmlNode sections = book.child("sections")) {
            ReserveForSections(sections, contents.graph);
            VisitChildren(sections, "section", [&](const XmlNode& node) { ReadSection(node, contents.graph); });
        }
        if (const XmlNode styles = book.child("styles")) {
            VisitChildren(styles, "style", [&](const XmlNode& node) {
                if (auto style = ReadStyle(node)) {
                    contents.fonts.push_back(*style);
                }
            });
        }
        contents.footer = ReadParagraphs(book.child("footer"));
        contents.choiceFormat = NestedText(book, "formats", "choice").value_or(version == 1 ? DashFormat : TurnToFormat);
        contents.newPagePerSection = ReadBoolean(NestedText(book, "options", "newpagepersection").value_or(L"")).value_or(false);
        CheckSize(contents);
        return contents;
    }

    std::string Where(const XmlNode& node) const
    {
        std::ostringstream where;
        where << "Cannot open \"" << fileName_ << "\"";
        if (const std::size_t line = LineOf(node, text_); line > 0) {
            where << ", line " << line;
        }
        return where.str();
    }

private:
    // A file that holds more than a book may, written by hand or by another program, would
    // be written back larger than the largest book.
    void CheckSize(const BookFileContents& contents) const
    {
        std::vector<Font> fonts;
        for (const auto& style : contents.fonts) {
            fonts.push_back(style.second);
        }
        const std::uint64_t size = SizeInFile(contents.graph) +
                                   BookWideSizeInFile(contents.title, contents.details, contents.footer, contents.choiceFormat, fonts);
        if (size > LargestBookFile) {
            throw BookLimitException(
                BRINDLE_TEXT("BookLimits", "Cannot open \"%1\": saved, the book would take %2, more than the %3 a book may take.")
                    .Arg(fileName_)
                    .Arg(Megabytes(size))
                    .Arg(Megabytes(LargestBookFile)));
        }
    }

    XmlNode RequiredChild(const XmlNode& node, const char* name, const char* missing) const
    {
        const XmlNode child = node.child(name);
        if (!child) {
            throw ptree_bad_path(Where(node) + ": " + missing + ": No such node", boost::property_tree::path(name));
        }
        return child;
    }

    std::uint32_t RequiredNumber(const XmlNode& node, const char* name, const char* missing, const char* what) const
    {
        const XmlNode child = RequiredChild(node, name, missing);
        const std::wstring text = ElementText(child);
        const auto number = ReadUnsigned(text);
        std::ostringstream message;
        if (!number) {
            message << Where(child) << ": " << what << " \"" << boost::locale::conv::utf_to_utf<char>(text)
                    << "\" is not a number (conversion of data to type \"unsigned int\" failed)";
            throw ptree_bad_data(message.str(), text);
        }
        if (*number < 1 || *number > TarnDataModel::HighestNumber) {
            message << Where(child) << ": " << what << " " << *number << " is not between 1 and " << TarnDataModel::HighestNumber;
            throw ptree_bad_data(message.str(), text);
        }
        return *number;
    }

    void ReadChoices(const XmlNode& sectionNode, std::uint32_t source, StoryGraph& graph) const
    {
        VisitChildren(sectionNode.child("choices"), "choice", [&](const XmlNode& node) {
            if (graph.ChoiceCount(source) >= MostChoicesInSection) {
                throw BookLimitException(BRINDLE_TEXT("BookLimits", "%1: section %2 has more than %3 choices, the most a section may have.")
                                             .Arg(Where(node))
                                             .Arg(source)
                                             .Arg(MostChoicesInSection));
            }
            Choice choice;
            choice.source = source;
            choice.text = ReadParagraphs(node.child("text"));
            choice.destination = RequiredNumber(node, "destination", "a choice without a destination", "Choice destination");
            choice.hidden = ReadBoolean(OptionalText(node, "hidden")).value_or(false);
            // Order 0 appends, so a section listed twice keeps its earlier choices first.
            choice.order = 0;
            EnsureSection(graph, choice.destination);
            graph.AddChoice(choice);
        });
    }

    void ReadSection(const XmlNode& node, StoryGraph& graph) const
    {
        const std::uint32_t number = RequiredNumber(node, "number", "a section without a number", "Section number");
        const bool known = graph.HasSection(number);
        Section section;
        section.number = number;
        if (known) {
            section = graph.GetSection(number);
        }
        section.shiftable = ReadBoolean(OptionalText(node, "shiftable")).value_or(true);
        section.summary = OptionalText(node, "summary");
        section.text = ReadParagraphs(node.child("text"));
        if (const auto colour = ReadColour(OptionalText(node, "backgroundcolour", L"#ffffff"))) {
            section.backgroundColour = *colour;
        }
        if (known) {
            graph.UpdateSection(number, section);
        } else {
            graph.AddSection(section);
        }
        ReadChoices(node, number, graph);
    }

    const std::string& text_;
    const std::string& fileName_;
};

}  // namespace

BookFileContents ReadBookFile(const std::string& fileName)
{
    std::string text = ReadBookFileText(fileName);
    return ReadBookText(text, fileName);
}

BookFileContents ReadBookText(const std::string& text, const std::string& fileName)
{
    XmlDocument document;
    ParseXml(document, text, fileName);
    BookFileParse parse(text, fileName);
    const XmlNode book = document.child("book");
    if (!book) {
        throw ptree_bad_path(parse.Where(document) + ": no book in the file: No such node", boost::property_tree::path("book"));
    }
    return parse.Read(book);
}

}  // namespace TarnViewModel
