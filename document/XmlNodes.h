// SPDX-License-Identifier: MIT
#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <optional>
#include <string>

namespace TarnViewModel {

// The book file's XML is read with pugixml: its parser walks the nesting in a loop rather
// than by recursion, so no depth of elements can exhaust the stack, and its nodes are small.
using XmlDocument = pugi::xml_document;
using XmlNode = pugi::xml_node;

// Parses a copy of the text, which stays as it was so that errors can name lines in it.
// Throws the XML reader's error with the line where the fault lies; a text that ends
// inside an element fails with "unexpected end of data", one with no element at all
// (other than blank) with "expected <".
void ParseXml(XmlDocument& document, const std::string& text, const std::string& fileName);

// The line, counted from 1, on which the node starts in the text it was parsed from.
std::size_t LineOf(const XmlNode& node, const std::string& text);
std::size_t LineAt(const std::string& text, std::size_t position);

bool IsElement(const XmlNode& node);
bool IsComment(const XmlNode& node);

// The element's text: all text and character data directly inside it, in order.
std::wstring ElementText(const XmlNode& node);
// A comment's text.
std::wstring CommentText(const XmlNode& node);
// The text of the first child element with that name, or nothing when there is none.
std::optional<std::wstring> ChildText(const XmlNode& node, const char* name);
std::optional<std::wstring> AttributeValue(const XmlNode& node, const char* name);

// Calls visit for every child element with that name, in document order.
template <typename Visit>
void VisitChildren(const XmlNode& node, const char* name, Visit visit)
{
    for (XmlNode child = node.child(name); child; child = child.next_sibling(name)) {
        visit(child);
    }
}

}  // namespace TarnViewModel
