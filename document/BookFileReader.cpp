#include "document/BookFileReader.h"

#include "document/BookFileText.h"
#include "document/BookFileValues.h"
#include "document/ChoiceTemplates.h"
#include "document/TarnDataModel.h"
#include "document/XmlNodes.h"

#include <boost/property_tree/exceptions.hpp>
#include <boost/property_tree/string_path.hpp>

#include <algorithm>
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

const XmlNode& RequiredChild(const XmlNode& node, const char* name)
{
    const XmlNode* child = FirstChild(node, name);
    if (child == nullptr) {
        throw ptree_bad_path("No such node", boost::property_tree::path(name));
    }
    return *child;
}

std::uint32_t RequiredNumber(const XmlNode& node, const char* name, const char* what)
{
    const std::wstring text = ElementText(RequiredChild(node, name));
    const auto number = ReadUnsigned(text);
    if (!number) {
        throw ptree_bad_data("conversion of data to type \"unsigned int\" failed", text);
    }
    if (*number < 1 || *number > TarnDataModel::HighestNumber) {
        std::ostringstream message;
        message << what << " " << *number << " is not between 1 and " << TarnDataModel::HighestNumber;
        throw ptree_bad_data(message.str(), text);
    }
    return *number;
}

std::wstring OptionalText(const XmlNode& node, std::string_view name, const std::wstring& fallback = L"")
{
    return ChildText(node, name).value_or(fallback);
}

// The text of the element named by two levels of names, as "formats" then "choice".
std::optional<std::wstring> NestedText(const XmlNode& node, std::string_view parent, std::string_view name)
{
    const XmlNode* container = FirstChild(node, parent);
    return container == nullptr ? std::nullopt : ChildText(*container, name);
}

// Every child element of a paragraph container (and every comment in it) is one line,
// placed by its "order"; the lines are joined with CR LF.
std::wstring ReadParagraphs(const XmlNode* container)
{
    if (container == nullptr) {
        return {};
    }
    std::vector<std::pair<std::int32_t, std::wstring>> paragraphs;
    for (const XmlNode* child = container->first_node(); child != nullptr; child = child->next_sibling()) {
        if (IsElement(*child)) {
            const auto order = ReadSigned(AttributeValue(*child, "order").value_or(L"")).value_or(0);
            paragraphs.emplace_back(order, ElementText(*child));
        } else if (IsComment(*child)) {
            paragraphs.emplace_back(0, CommentText(*child));
        }
    }
    std::stable_sort(paragraphs.begin(), paragraphs.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    std::wstring text;
    for (std::size_t index = 0; index < paragraphs.size(); ++index) {
        if (index > 0) {
            text += L"\r\n";
        }
        text += paragraphs[index].second;
    }
    return text;
}

void EnsureSection(StoryGraph& graph, std::uint32_t number)
{
    if (!graph.HasSection(number)) {
        Section section;
        section.number = number;
        graph.AddSection(section);
    }
}

void ReadChoices(const XmlNode& sectionNode, std::uint32_t source, StoryGraph& graph)
{
    const XmlNode* choices = FirstChild(sectionNode, "choices");
    if (choices == nullptr) {
        return;
    }
    VisitChildren(*choices, "choice", [&](const XmlNode& node) {
        Choice choice;
        choice.source = source;
        choice.text = ReadParagraphs(FirstChild(node, "text"));
        choice.destination = RequiredNumber(node, "destination", "Choice destination");
        choice.hidden = ReadBoolean(OptionalText(node, "hidden")).value_or(false);
        // Order 0 appends, so a section listed twice keeps its earlier choices first.
        choice.order = 0;
        EnsureSection(graph, choice.destination);
        graph.AddChoice(choice);
    });
}

void ReadSection(const XmlNode& node, StoryGraph& graph)
{
    const std::uint32_t number = RequiredNumber(node, "number", "Section number");
    const bool known = graph.HasSection(number);
    Section section;
    section.number = number;
    if (known) {
        section = graph.GetSection(number);
    }
    section.shiftable = ReadBoolean(OptionalText(node, "shiftable")).value_or(true);
    section.summary = OptionalText(node, "summary");
    section.text = ReadParagraphs(FirstChild(node, "text"));
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

// Counts the section and choice elements first, so that the graph is built without rehashing.
void ReserveForSections(const XmlNode& sections, StoryGraph& graph)
{
    std::size_t sectionCount = 0;
    std::size_t choiceCount = 0;
    VisitChildren(sections, "section", [&](const XmlNode& section) {
        ++sectionCount;
        if (const XmlNode* choices = FirstChild(section, "choices")) {
            VisitChildren(*choices, "choice", [&](const XmlNode&) { ++choiceCount; });
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
    if (const XmlNode* fontNode = FirstChild(node, "font")) {
        font.faceName = OptionalText(*fontNode, "name");
        font.size = ReadSigned(OptionalText(*fontNode, "size")).value_or(0);
    }
    if (font.size < 1 || font.size > LargestFontSize) {
        font.size = fallback.size;
    }
    return std::make_pair(type, font);
}

}  // namespace

BookFileContents ReadBookFile(const std::string& fileName)
{
    std::string text = ReadBookFileText(fileName);
    return ReadBookText(text, fileName);
}

BookFileContents ReadBookText(std::string& text, const std::string& fileName)
{
    CheckNesting(text, fileName);
    XmlDocument document;
    ParseXml(document, text, fileName);
    const XmlNode& book = RequiredChild(document, "book");
    const std::uint32_t version = ReadUnsigned(AttributeValue(book, "version").value_or(L"")).value_or(1);

    BookFileContents contents;
    contents.title = OptionalText(book, "title", L"Untitled");
    if (const XmlNode* sections = FirstChild(book, "sections")) {
        ReserveForSections(*sections, contents.graph);
        VisitChildren(*sections, "section", [&](const XmlNode& node) { ReadSection(node, contents.graph); });
    }
    if (const XmlNode* styles = FirstChild(book, "styles")) {
        VisitChildren(*styles, "style", [&](const XmlNode& node) {
            if (auto style = ReadStyle(node)) {
                contents.fonts.push_back(*style);
            }
        });
    }
    contents.footer = ReadParagraphs(FirstChild(book, "footer"));
    contents.choiceFormat = NestedText(book, "formats", "choice").value_or(version == 1 ? DashFormat : TurnToFormat);
    contents.newPagePerSection = ReadBoolean(NestedText(book, "options", "newpagepersection").value_or(L"")).value_or(false);
    return contents;
}

}  // namespace TarnViewModel
