// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Printing {

// Areas and points in the PDF's own space: points from the page's bottom left corner.
struct PdfLink {
    std::size_t page = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    std::uint32_t section = 0;
};

struct PdfDestination {
    std::size_t page = 0;
    double left = 0;
    double top = 0;
    std::uint32_t section = 0;
};

// The PDF with each link area going to its section's destination, every destination named
// "sN" for section N, and the document given its author and language. Any well-formed PDF
// will do, however its writer laid it out; throws ExportException when it cannot be read.
std::string WithLinks(std::string_view pdf, const std::vector<PdfLink>& links, const std::vector<PdfDestination>& destinations,
                      const std::wstring& author, const std::wstring& language);

}  // namespace Printing
