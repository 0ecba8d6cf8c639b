// SPDX-License-Identifier: MIT
#include "export/ExportText.h"

#include <boost/algorithm/string/replace.hpp>
#include <boost/locale/encoding_utf.hpp>

#include <algorithm>

namespace TarnViewModel {

namespace {

const std::wstring LineBreak = L"\r\n";

}  // namespace

std::string Utf8(const std::wstring& text)
{
    return boost::locale::conv::utf_to_utf<char>(text);
}

std::string XmlEscaped(const std::wstring& text)
{
    std::wstring escaped;
    escaped.reserve(text.size());
    for (const wchar_t character : text) {
        switch (character) {
        case L'&':
            escaped += L"&amp;";
            break;
        case L'<':
            escaped += L"&lt;";
            break;
        case L'>':
            escaped += L"&gt;";
            break;
        case L'"':
            escaped += L"&quot;";
            break;
        case L'\'':
            escaped += L"&#39;";
            break;
        default: {
            const auto code = static_cast<std::uint32_t>(character);
            const bool allowed = code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
                                 (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
            if (allowed) {
                escaped += character;
            }
        }
        }
    }
    return Utf8(escaped);
}

std::wstring ReducedLineBreaks(const std::wstring& text)
{
    return boost::algorithm::replace_all_copy(text, LineBreak, L"\n");
}

std::vector<std::wstring> PiecesBetweenLineBreaks(const std::wstring& text)
{
    std::vector<std::wstring> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(LineBreak, start);
        pieces.push_back(text.substr(start, end - start));
        if (end == std::wstring::npos) {
            return pieces;
        }
        start = end + LineBreak.size();
    }
}

std::string FontSizeText(std::int32_t size, std::int64_t factor)
{
    return std::to_string(std::max<std::int64_t>(size, 0) * factor);
}

}  // namespace TarnViewModel
