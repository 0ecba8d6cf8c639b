// SPDX-License-Identifier: MIT
#pragma once

#include "export/IBookExporter.h"

namespace TarnViewModel {

// The book's content (title, sections with all their choices, footer) as a JSON data file.
class JsonExporter : public IBookExporter {
public:
    // Throws the JSON writer's "write error" when the stream has failed.
    void Export(const BookSnapshot& book, std::ostream& output) override;
};

}  // namespace TarnViewModel
