// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace TarnViewModel {

// Writes indented XML as UTF-8 by the rules of the property-tree library's XML writer:
// an element with text stays on one line, an element with neither text nor children is
// self-closed, markup characters become entities, and a text made only of spaces starts
// with a character reference so that it survives reading.
class XmlTextWriter {
public:
    // Each level is indented by indentCount times the indent character.
    explicit XmlTextWriter(char indent = '\t', int indentCount = 1);

    // An element whose children follow, until the matching End.
    void Start(const wchar_t* name);
    void StartWithAttribute(const wchar_t* name, const wchar_t* attribute, const std::wstring& value);
    void End(const wchar_t* name);
    // An element with text only, or self-closed when the text is empty.
    void Leaf(const wchar_t* name, const std::wstring& text);
    void LeafWithAttribute(const wchar_t* name, const wchar_t* attribute, const std::wstring& value, const std::wstring& text);

    // The finished text. A character that XML cannot hold (a control character other than
    // tab and line ends, U+FFFE, U+FFFF, or no character at all) is written as U+FFFD, so
    // that every text the writer is given can be read back.
    const std::string& Text() const { return text_; }

    // The bytes a text takes as an element's text or an attribute's value, exactly as written.
    static std::size_t EncodedSize(std::wstring_view text);

private:
    void Indent();
    void OpenTag(const wchar_t* name, const wchar_t* attribute, const std::wstring* value);
    void StartTag(const wchar_t* name, const wchar_t* attribute, const std::wstring* value);
    void LeafTag(const wchar_t* name, const wchar_t* attribute, const std::wstring* value, const std::wstring& text);
    void CloseTag(const wchar_t* name);
    void Markup(const wchar_t* markup);
    void Encoded(const std::wstring& text);
    void Character(wchar_t character);

    std::string text_;
    char indent_;
    int indentCount_;
    int depth_ = 0;
};

}  // namespace TarnViewModel
