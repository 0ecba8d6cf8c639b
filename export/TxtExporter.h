// SPDX-License-Identifier: MIT
#pragma once

#include "export/IBookExporter.h"

namespace TarnViewModel {

// The book as plain text: the title, each section's number, text and visible choices,
// then the footer.
class TxtExporter : public IBookExporter {
public:
    void Export(const BookSnapshot& book, std::ostream& output) override;
};

}  // namespace TarnViewModel
