// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace CommonLib {

struct Font {
    std::wstring faceName;
    std::int32_t size = 8;

    bool operator==(const Font&) const = default;
};

// The four text styles of a book.
enum class FontType : std::int32_t {
    MainBook = 0,
    SectionNumber = 1,
    Header = 2,
    Footer = 3,
};

}  // namespace CommonLib
