// SPDX-License-Identifier: MIT
#include "document/XmlNodes.h"

#include <boost/locale/encoding_utf.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <algorithm>
#include <cstring>

namespace TarnViewModel {

namespace {

// Comments are lines of text; character data, entities and blank text alone in an element
// are read as written. Line ends and attribute values are kept byte for byte, as the
// program has always read them.
constexpr unsigned ParseOptions = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_comments | pugi::parse_ws_pcdata_single;

bool IsBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// Elements left open at the end are reported on the last character.
bool EndsInsideAnElement(const pugi::xml_parse_result& result, const std::string& text)
{
    return result.status == pugi::status_end_element_mismatch && static_cast<std::size_t>(result.offset) + 1 >= text.size();
}

std::string ReaderMessage(const pugi::xml_parse_result& result, const std::string& text)
{
    if (EndsInsideAnElement(result, text)) {
        return "unexpected end of data";
    }
    if (result.status == pugi::status_no_document_element) {
        return "expected <";
    }
    return result.description();
}

std::wstring Wide(const char* text)
{
    return boost::locale::conv::utf_to_utf<wchar_t>(text, text + std::strlen(text));
}

// A character reference to NUL, as "&#0;" or "&#x00;": the reader would end the text there,
// silently dropping the rest of its paragraph.
std::size_t FindNulReference(const std::string& text)
{
    for (std::size_t found = text.find("&#"); found != std::string::npos; found = text.find("&#", found + 2)) {
        std::size_t position = found + 2;
        const bool hex = position < text.size() && (text[position] == 'x' || text[position] == 'X');
        position += hex ? 1 : 0;
        const std::size_t digits = position;
        while (position < text.size() && text[position] == '0') {
            ++position;
        }
        if (position > digits && position < text.size() && text[position] == ';') {
            return found;
        }
    }
    return std::string::npos;
}

}  // namespace

void ParseXml(XmlDocument& document, const std::string& text, const std::string& fileName)
{
    if (const std::size_t nul = FindNulReference(text); nul != std::string::npos) {
        throw boost::property_tree::xml_parser::xml_parser_error("\"" + text.substr(nul, text.find(';', nul) + 1 - nul) +
                                                                     "\" stands for the NUL character, which no text can hold",
                                                                 fileName, LineAt(text, nul));
    }
    const pugi::xml_parse_result result = document.load_buffer(text.data(), text.size(), ParseOptions, pugi::encoding_utf8);
    // A blank file holds no book rather than being malformed.
    if (!result && !(result.status == pugi::status_no_document_element && IsBlank(text))) {
        const auto offset = EndsInsideAnElement(result, text)
                                ? text.size()
                                : std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(result.offset, 0)), text.size());
        throw boost::property_tree::xml_parser::xml_parser_error(ReaderMessage(result, text), fileName, LineAt(text, offset));
    }
}

std::size_t LineAt(const std::string& text, std::size_t position)
{
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
}

std::size_t LineOf(const XmlNode& node, const std::string& text)
{
    const std::ptrdiff_t offset = node.offset_debug();
    return offset < 0 ? 0 : LineAt(text, std::min(static_cast<std::size_t>(offset), text.size()));
}

bool IsElement(const XmlNode& node)
{
    return node.type() == pugi::node_element;
}

bool IsComment(const XmlNode& node)
{
    return node.type() == pugi::node_comment;
}

std::wstring ElementText(const XmlNode& node)
{
    const XmlNode first = node.first_child();
    // Nearly every element holds one piece of text, which needs no joining.
    if (first && !first.next_sibling() && first.type() == pugi::node_pcdata) {
        return Wide(first.value());
    }
    std::string text;
    for (XmlNode child = first; child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            text += child.value();
        }
    }
    return boost::locale::conv::utf_to_utf<wchar_t>(text);
}

std::wstring CommentText(const XmlNode& node)
{
    return Wide(node.value());
}

std::optional<std::wstring> ChildText(const XmlNode& node, const char* name)
{
    const XmlNode child = node.child(name);
    if (!child) {
        return std::nullopt;
    }
    return ElementText(child);
}

std::optional<std::wstring> AttributeValue(const XmlNode& node, const char* name)
{
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) {
        return std::nullopt;
    }
    return Wide(attribute.value());
}

}  // namespace TarnViewModel
