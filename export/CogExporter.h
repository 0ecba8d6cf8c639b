// SPDX-License-Identifier: MIT
#pragma once

#include "export/IBookExporter.h"

namespace TarnViewModel {

// The book as a ChoiceScript scene: a label per section, its text, and a choice block
// with one goto per option, or an ending.
class CogExporter : public IBookExporter {
public:
    void Export(const BookSnapshot& book, std::ostream& output) override;
};

}  // namespace TarnViewModel
