#include "document/XmlTextWriter.h"

#include <boost/locale/utf.hpp>
#include <boost/property_tree/xml_parser.hpp>

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

void XmlTextWriter::LeafWithAttribute(const wchar_t* name, const wchar_t* attribute, const std::wstring& value,
                                      const std::wstring& text)
{
    LeafTag(name, attribute, &value, text);
}

const std::string& XmlTextWriter::Text(const std::string& fileName) const
{
    if (invalid_) {
        throw boost::property_tree::xml_parser::xml_parser_error("write error", fileName, 0);
    }
    return text_;
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

void XmlTextWriter::LeafTag(const wchar_t* name, const wchar_t* attribute, const std::wstring* value,
                            const std::wstring& text)
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
    return character >= 0 && character < 0x80 && character != L'<' && character != L'>' && character != L'&' && character != L'"' &&
           character != L'\'';
}

}  // namespace

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
        switch (*position) {
        case L'<': text_ += "&lt;"; break;
        case L'>': text_ += "&gt;"; break;
        case L'&': text_ += "&amp;"; break;
        case L'"': text_ += "&quot;"; break;
        case L'\'': text_ += "&apos;"; break;
        default: Character(*position); break;
        }
        ++position;
    }
}

void XmlTextWriter::Character(wchar_t character)
{
    if (character >= 0 && character < 0x80) {
        text_ += static_cast<char>(character);
        return;
    }
    const auto code = static_cast<utf::code_point>(character);
    if (!utf::is_valid_codepoint(code)) {
        invalid_ = true;
        return;
    }
    utf::utf_traits<char>::encode(code, std::back_inserter(text_));
}

}  // namespace TarnViewModel
