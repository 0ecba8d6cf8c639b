// SPDX-License-Identifier: MIT
#include "export/FormatChoice.h"

#include <boost/algorithm/string/replace.hpp>

#include <cwctype>
#include <locale>
#include <string_view>

namespace TarnViewModel {

namespace {

const std::wstring TextPlaceholder = L"{{text}}";
const std::wstring DestinationPlaceholder = L"{{destination}}";

FormattedChoice Fill(const std::wstring& text, std::uint32_t destination, const std::wstring& format)
{
    FormattedChoice result;
    result.text = boost::algorithm::replace_all_copy(format, TextPlaceholder, text);
    const std::size_t first = result.text.find(DestinationPlaceholder);
    if (first == std::wstring::npos) {
        return result;
    }
    const std::wstring number = std::to_wstring(destination);
    boost::algorithm::replace_all(result.text, DestinationPlaceholder, number);
    result.destinationPosition = first;
    result.destinationLength = number.size();
    result.hasDestination = true;
    return result;
}

// What joins a choice's text to the rest of its line (", turn to", " - "), as against what
// opens something the line still needs, such as a bracket or a placeholder.
bool Joining(wchar_t character)
{
    static constexpr std::wstring_view Opening = L"([{<\"'\u2018\u201C\u00AB";
    static constexpr std::wstring_view Dashes = L"\u2013\u2014\u2026\u00B7";
    if (Opening.find(character) != std::wstring_view::npos) {
        return false;
    }
    return std::iswspace(static_cast<std::wint_t>(character)) != 0 || Dashes.find(character) != std::wstring_view::npos ||
           (character < 0x80 && std::iswpunct(static_cast<std::wint_t>(character)) != 0);
}

// The same capital in every locale the program runs in.
wchar_t Capital(wchar_t character)
{
    static const std::locale unicode = [] {
        try {
            return std::locale("C.UTF-8");
        } catch (const std::runtime_error&) {
            return std::locale::classic();
        }
    }();
    return std::use_facet<std::ctype<wchar_t>>(unicode).toupper(character);
}

}  // namespace

FormattedChoice FormatChoice(const std::wstring& text, std::uint32_t destination, const std::wstring& format)
{
    const std::size_t placeholder = format.find(TextPlaceholder);
    if (!text.empty() || placeholder == std::wstring::npos) {
        return Fill(text, destination, format);
    }
    // "Turn to 131", not ", turn to 131": without a text, the line starts where the rest
    // of the format does.
    std::wstring rest = format.substr(placeholder + TextPlaceholder.size());
    std::size_t start = 0;
    while (start < rest.size()) {
        if (Joining(rest[start])) {
            ++start;
        } else if (rest.compare(start, TextPlaceholder.size(), TextPlaceholder) == 0) {
            start += TextPlaceholder.size();
        } else {
            break;
        }
    }
    rest.erase(0, start);
    if (rest.empty()) {
        return Fill(text, destination, format);
    }
    rest[0] = Capital(rest[0]);
    return Fill(text, destination, rest);
}

}  // namespace TarnViewModel
