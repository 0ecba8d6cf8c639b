// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"
#include "export/IBookExporter.h"

#include <array>

namespace TarnViewModel {

// The book as a Rich Text document: a font table of the book's four fonts, the centred
// title, every section's number, text and visible choices, and a centred page footer.
class RtfExporter : public IBookExporter {
public:
    // The fonts in role order: main text, section number, header, footer.
    RtfExporter(const std::array<CommonLib::Font, 4>& fonts, bool newPagePerSection);
    void Export(const BookSnapshot& book, std::ostream& output) override;

private:
    std::string Selector(CommonLib::FontType type) const;

    std::array<CommonLib::Font, 4> fonts_;
    bool newPagePerSection_;
};

}  // namespace TarnViewModel
