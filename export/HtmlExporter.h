// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"
#include "export/IBookExporter.h"

#include <array>

namespace TarnViewModel {

// The whole book as one HTML page whose choices link to the sections' anchors.
class HtmlExporter : public IBookExporter {
public:
    // The fonts in role order: main text, section number, header, footer.
    explicit HtmlExporter(const std::array<CommonLib::Font, 4>& fonts);
    void Export(const BookSnapshot& book, std::ostream& output) override;

private:
    std::array<CommonLib::Font, 4> fonts_;
};

}  // namespace TarnViewModel
