#include "controllers/SectionLabel.h"

#include <algorithm>

namespace TarnViewModel {

std::wstring SectionLabel(const Section& section)
{
    std::wstring summary = section.summary;
    std::erase_if(summary, [](wchar_t character) { return character == L'\r' || character == L'\n'; });
    if (!summary.empty()) {
        return summary;
    }
    constexpr std::size_t Longest = 40;
    const std::wstring firstLine = section.text.substr(0, section.text.find_first_of(L"\r\n"));
    return firstLine.size() > Longest ? firstLine.substr(0, Longest) + L"..." : firstLine;
}

}  // namespace TarnViewModel
