#pragma once

#include <string>

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
    void LeafWithAttribute(const wchar_t* name, const wchar_t* attribute, const std::wstring& value,
                           const std::wstring& text);

    // The finished text. Throws the XML writer's "write error" when a text held a
    // character that has no UTF-8 form.
    const std::string& Text(const std::string& fileName) const;

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
    bool invalid_ = false;
};

}  // namespace TarnViewModel
