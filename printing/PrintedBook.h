// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"
#include "export/FormatChoice.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace TarnViewModel {
class BookSnapshot;
}

namespace Printing {

struct PrintedChoice {
    TarnViewModel::FormattedChoice formatted;
    std::uint32_t destination = 0;
};

struct PrintedSection {
    std::uint32_t number = 0;
    // The text's paragraphs, blank ones included.
    std::vector<std::wstring> paragraphs;
    // The visible choices, formatted, in the reader's order.
    std::vector<PrintedChoice> choices;
};

// What the printed book shows, copied from the book so that it is laid out away from the
// user-interface thread without touching the book.
struct PrintedBook {
    std::wstring title;
    std::wstring author;
    std::wstring language;
    std::wstring footer;
    // In role order: main text, section number, header, footer.
    std::array<CommonLib::Font, 4> fonts;
    bool newPagePerSection = false;
    std::vector<PrintedSection> sections;
};

PrintedBook CopyPrintedBook(const TarnViewModel::BookSnapshot& book);

}  // namespace Printing
