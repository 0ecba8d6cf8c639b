// SPDX-License-Identifier: MIT
#include "graph/SectionLabel.h"

#include <algorithm>
#include <string_view>

namespace TarnViewModel {

std::wstring SectionLabel(const Section& section)
{
    std::wstring summary = section.summary;
    std::erase_if(summary, [](wchar_t character) { return character == L'\r' || character == L'\n'; });
    if (!summary.empty()) {
        return summary;
    }
    constexpr std::size_t Longest = 40;
    // One character past the longest label tells whether the line goes on; the rest of a
    // long text is never looked at.
    const std::wstring_view head = std::wstring_view(section.text).substr(0, Longest + 1);
    const std::wstring_view firstLine = head.substr(0, head.find_first_of(L"\r\n"));
    return firstLine.size() > Longest ? std::wstring(firstLine.substr(0, Longest)) + L"..." : std::wstring(firstLine);
}

}  // namespace TarnViewModel
