// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace TarnGui {

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

// The PDF as Qt's writer made it, with an update appended that makes each link area go to
// its section's destination, names every destination "sN" for section N, and gives the
// document its author and language. Throws ExportException when the file is not laid out
// as that writer lays its files out.
std::string WithLinks(const std::string& pdf, const std::vector<PdfLink>& links, const std::vector<PdfDestination>& destinations,
                      const std::wstring& author, const std::wstring& language);

}  // namespace TarnGui
