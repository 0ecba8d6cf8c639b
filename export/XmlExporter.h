// SPDX-License-Identifier: MIT
#pragma once

#include "export/IBookExporter.h"

namespace TarnViewModel {

// The book's content (title, sections with all their choices, footer) as an XML data file.
class XmlExporter : public IBookExporter {
public:
    void Export(const BookSnapshot& book, std::ostream& output) override;
};

}  // namespace TarnViewModel
