#include "document/XmlNodes.h"

#include <boost/locale/encoding_utf.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <algorithm>

namespace TarnViewModel {

namespace rapidxml = boost::property_tree::detail::rapidxml;

void ParseXml(XmlDocument& document, std::string& text, const std::string& fileName)
{
    try {
        document.parse<rapidxml::parse_comment_nodes>(text.data());
    } catch (const rapidxml::parse_error& error) {
        const char* where = error.where<char>();
        const auto line = std::count(static_cast<const char*>(text.data()), where, '\n') + 1;
        throw boost::property_tree::xml_parser::xml_parser_error(error.what(), fileName, static_cast<unsigned long>(line));
    }
}

bool IsElement(const XmlNode& node)
{
    return node.type() == rapidxml::node_element;
}

bool IsComment(const XmlNode& node)
{
    return node.type() == rapidxml::node_comment;
}

const XmlNode* FirstChild(const XmlNode& node, std::string_view name)
{
    return node.first_node(name.data(), name.size());
}

namespace {

std::wstring Wide(const char* text, std::size_t size)
{
    return boost::locale::conv::utf_to_utf<wchar_t>(text, text + size);
}

}  // namespace

std::wstring ElementText(const XmlNode& node)
{
    const XmlNode* first = node.first_node();
    // Nearly every element holds one piece of text, which needs no joining.
    if (first != nullptr && first->next_sibling() == nullptr && first->type() == rapidxml::node_data) {
        return Wide(first->value(), first->value_size());
    }
    std::string text;
    for (const XmlNode* child = first; child != nullptr; child = child->next_sibling()) {
        if (child->type() == rapidxml::node_data || child->type() == rapidxml::node_cdata) {
            text.append(child->value(), child->value_size());
        }
    }
    return Wide(text.data(), text.size());
}

std::wstring CommentText(const XmlNode& node)
{
    return Wide(node.value(), node.value_size());
}

std::optional<std::wstring> ChildText(const XmlNode& node, std::string_view name)
{
    const XmlNode* child = FirstChild(node, name);
    if (child == nullptr) {
        return std::nullopt;
    }
    return ElementText(*child);
}

std::optional<std::wstring> AttributeValue(const XmlNode& node, std::string_view name)
{
    const auto* attribute = node.first_attribute(name.data(), name.size());
    if (attribute == nullptr) {
        return std::nullopt;
    }
    return Wide(attribute->value(), attribute->value_size());
}

}  // namespace TarnViewModel
