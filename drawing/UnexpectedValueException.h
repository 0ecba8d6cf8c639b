// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

namespace Drawing {

// A value that no caller can give, such as an image type beyond the dialog's filters or a
// property the grids do not have.
class UnexpectedValueException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace Drawing
