// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"
#include "export/IBookExporter.h"

#include <array>
#include <chrono>

namespace TarnViewModel {

// An EPUB 3 e-book: the sections in content documents of a block of sections each, every
// visible choice a link to its destination's section, a navigation document listing the
// sections, and a style sheet from the book's fonts. Bytes go out as they are: the stream
// must not change line ends.
class EpubExporter : public IBookExporter {
public:
    // Sections in one content document: small enough that a reader opens each at once, few
    // enough that it does not open thousands of them.
    static constexpr std::size_t SectionsPerDocument = 50;

    // The fonts in role order (main text, section number, header, footer); `modified` dates
    // the package and every entry of the archive.
    EpubExporter(const std::array<CommonLib::Font, 4>& fonts, bool newPagePerSection,
                 std::chrono::system_clock::time_point modified = std::chrono::system_clock::now());

    void Export(const BookSnapshot& book, std::ostream& output) override;

private:
    std::array<CommonLib::Font, 4> fonts_;
    bool newPagePerSection_;
    std::chrono::system_clock::time_point modified_;
};

}  // namespace TarnViewModel
