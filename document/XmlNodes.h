#pragma once

#include <boost/property_tree/detail/rapidxml.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace TarnViewModel {

// The XML reader of the property-tree library, used directly on the UTF-8 text: its nodes
// are read where they lie in the text instead of being copied into a tree first.
using XmlDocument = boost::property_tree::detail::rapidxml::xml_document<char>;
using XmlNode = boost::property_tree::detail::rapidxml::xml_node<char>;

// Parses the text in place, keeping comments, with the property-tree reader's settings.
// Throws the XML reader's error with its message and the line where the fault lies.
void ParseXml(XmlDocument& document, std::string& text, const std::string& fileName);

bool IsElement(const XmlNode& node);
bool IsComment(const XmlNode& node);

// The first child element with that name.
const XmlNode* FirstChild(const XmlNode& node, std::string_view name);
// The element's text: all text and character data directly inside it, in order.
std::wstring ElementText(const XmlNode& node);
// A comment's text.
std::wstring CommentText(const XmlNode& node);
// The text of the first child element with that name, or nothing when there is none.
std::optional<std::wstring> ChildText(const XmlNode& node, std::string_view name);
std::optional<std::wstring> AttributeValue(const XmlNode& node, std::string_view name);

// Calls visit for every child element with that name, in document order.
template <typename Visit>
void VisitChildren(const XmlNode& node, std::string_view name, Visit visit)
{
    for (const XmlNode* child = node.first_node(name.data(), name.size()); child != nullptr;
         child = child->next_sibling(name.data(), name.size())) {
        visit(*child);
    }
}

}  // namespace TarnViewModel
