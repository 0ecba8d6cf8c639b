// SPDX-License-Identifier: MIT
#include "shell/support/QtTextPositions.h"

#include <algorithm>
#include <cstdint>

namespace TarnGui {

void QtTextPositions::Reset(const std::wstring& text)
{
    length_ = 0;
    places_ = {};
    Replace(0, 0, text);
}

void QtTextPositions::Replace(std::size_t start, std::size_t length, const std::wstring& text)
{
    start = std::min(start, length_);
    length = std::min(length, length_ - start);
    Cut(places_.wide, start, length, text.size());
    Cut(places_.joined, start, length, text.size());
    std::vector<std::size_t> wide;
    std::vector<std::size_t> joined;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (static_cast<std::uint32_t>(text[index]) > 0xFFFF) {
            wide.push_back(start + index);
        } else if (text[index] == L'\r' && index + 1 < text.size() && text[index + 1] == L'\n') {
            joined.push_back(start + index);
        }
    }
    Add(places_.wide, std::move(wide));
    Add(places_.joined, std::move(joined));
    length_ = length_ - length + text.size();
}

int QtTextPositions::ToQt(std::size_t position) const
{
    position = std::min(position, length_);
    const auto before = [position](const std::vector<std::size_t>& places) {
        return static_cast<std::size_t>(std::lower_bound(places.begin(), places.end(), position) - places.begin());
    };
    return static_cast<int>(position + before(places_.wide) - before(places_.joined));
}

// Drops the places in the replaced range and moves the ones after it by the change in length.
void QtTextPositions::Cut(std::vector<std::size_t>& places, std::size_t start, std::size_t length, std::size_t inserted)
{
    const auto first = std::lower_bound(places.begin(), places.end(), start);
    const auto last = std::lower_bound(first, places.end(), start + length);
    for (auto after = places.erase(first, last); after != places.end(); ++after) {
        *after = *after - length + inserted;
    }
}

void QtTextPositions::Add(std::vector<std::size_t>& places, std::vector<std::size_t> added)
{
    if (!added.empty()) {
        places.insert(std::lower_bound(places.begin(), places.end(), added.front()), added.begin(), added.end());
    }
}

std::vector<int> Utf16Starts(const std::wstring& text)
{
    std::vector<int> starts(text.size() + 1);
    int unit = 0;
    for (std::size_t index = 0; index < text.size(); ++index) {
        starts[index] = unit;
        unit += static_cast<std::uint32_t>(text[index]) > 0xFFFF ? 2 : 1;
    }
    starts[text.size()] = unit;
    return starts;
}

}  // namespace TarnGui
