// SPDX-License-Identifier: MIT
#include "document/XmlTextWriter.h"

#include <boost/locale/utf.hpp>

#include <cstring>
#include <iterator>

namespace TarnViewModel {

namespace utf = boost::locale::utf;

XmlTextWriter::XmlTextWriter(char indent, int indentCount) : indent_(indent), indentCount_(indentCount)
{
    text_ = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
}

void XmlTextWriter::Start(const wchar_t* name)
{
    StartTag(name, nullptr, nullptr);
}

void XmlTextWriter::StartWithAttribute(const wchar_t* name, const wchar_t* attribute, const std::wstring& value)
{
    StartTag(name, attribute, &value);
}

void XmlTextWriter::End(const wchar_t* name)
{
    --depth_;
    Indent();
    CloseTag(name);
}

void XmlTextWriter::Leaf(const wchar_t* name, const std::wstring& text)
{
    LeafTag(name, nullptr, nullptr, text);
}

void XmlTextWriter::LeafWithAttribute(const wchar_t* name, const wchar_t* attribute, const std::wstring& value, const std::wstring& text)
{
    LeafTag(name, attribute, &value, text);
}

void XmlTextWriter::Indent()
{
    text_.append(static_cast<std::size_t>(depth_ * indentCount_), indent_);
}

void XmlTextWriter::OpenTag(const wchar_t* name, const wchar_t* attribute, const std::wstring* value)
{
    Indent();
    text_ += '<';
    Markup(name);
    if (attribute != nullptr) {
        text_ += ' ';
        Markup(attribute);
        text_ += "=\"";
        Encoded(*value);
        text_ += '"';
    }
}

void XmlTextWriter::StartTag(const wchar_t* name, const wchar_t* attribute, const std::wstring* value)
{
    OpenTag(name, attribute, value);
    text_ += ">\n";
    ++depth_;
}

void XmlTextWriter::LeafTag(const wchar_t* name, const wchar_t* attribute, const std::wstring* value, const std::wstring& text)
{
    OpenTag(name, attribute, value);
    if (text.empty()) {
        text_ += "/>\n";
        return;
    }
    text_ += '>';
    Encoded(text);
    CloseTag(name);
}

void XmlTextWriter::CloseTag(const wchar_t* name)
{
    text_ += "</";
    Markup(name);
    text_ += ">\n";
}

void XmlTextWriter::Markup(const wchar_t* markup)
{
    for (; *markup != L'\0'; ++markup) {
        text_ += static_cast<char>(*markup);
    }
}

namespace {

// A character that goes into the text as it is, one byte.
bool IsPlain(wchar_t character)
{
    return ((character >= 0x20 && character < 0x80) || character == L'\t' || character == L'\n' || character == L'\r') &&
           character != L'<' && character != L'>' && character != L'&' && character != L'"' && character != L'\'';
}

// What XML can hold of the characters that need more than a byte or are not plain.
bool XmlCanHold(utf::code_point code)
{
    return utf::is_valid_codepoint(code) && (code >= 0x20 || code == 0x9 || code == 0xA || code == 0xD) && code != 0xFFFE && code != 0xFFFF;
}

// The entity a markup character is written as, or null for any other character.
const char* EntityFor(wchar_t character)
{
    switch (character) {
    case L'<':
        return "&lt;";
    case L'>':
        return "&gt;";
    case L'&':
        return "&amp;";
    case L'"':
        return "&quot;";
    case L'\'':
        return "&apos;";
    default:
        return nullptr;
    }
}

// The character as written: itself, or U+FFFD for one that XML cannot hold.
utf::code_point Held(wchar_t character)
{
    const auto code = static_cast<utf::code_point>(character);
    return XmlCanHold(code) ? code : utf::code_point{0xFFFD};
}

// The bytes the writer gives a character that is not plain.
std::size_t EncodedSize(wchar_t character)
{
    const char* entity = EntityFor(character);
    return entity != nullptr ? std::strlen(entity) : static_cast<std::size_t>(utf::utf_traits<char>::width(Held(character)));
}

}  // namespace

std::size_t XmlTextWriter::EncodedSize(std::wstring_view text)
{
    if (text.find_first_not_of(L' ') == std::wstring_view::npos) {
        return text.empty() ? 0 : text.size() + 4;
    }
    std::size_t size = 0;
    for (const wchar_t character : text) {
        size += IsPlain(character) ? 1 : TarnViewModel::EncodedSize(character);
    }
    return size;
}

void XmlTextWriter::Encoded(const std::wstring& text)
{
    if (text.find_first_not_of(L' ') == std::wstring::npos) {
        text_ += "&#32;";
        text_.append(text.size() - 1, ' ');
        return;
    }
    // Runs of plain characters, nearly all of a book, are copied in one go.
    const wchar_t* position = text.data();
    const wchar_t* const end = position + text.size();
    while (position != end) {
        const wchar_t* runEnd = position;
        while (runEnd != end && IsPlain(*runEnd)) {
            ++runEnd;
        }
        const std::size_t start = text_.size();
        text_.resize(start + static_cast<std::size_t>(runEnd - position));
        for (char* out = text_.data() + start; position != runEnd; ++position, ++out) {
            *out = static_cast<char>(*position);
        }
        if (position == end) {
            break;
        }
        if (const char* entity = EntityFor(*position)) {
            text_ += entity;
        } else {
            Character(*position);
        }
        ++position;
    }
}

void XmlTextWriter::Character(wchar_t character)
{
    utf::utf_traits<char>::encode(Held(character), std::back_inserter(text_));
}

}  // namespace TarnViewModel
