// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

namespace TarnViewModel {

class BookSnapshot;

// Writes a whole book to one output stream. Line ends are written as LF; the output layer
// in front of a file stores each as CR LF.
class IBookExporter {
public:
    virtual ~IBookExporter() = default;
    virtual void Export(const BookSnapshot& book, std::ostream& output) = 0;
};

}  // namespace TarnViewModel
