// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

namespace TarnViewModel {

// An export whose file could not be created or written.
class ExportException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace TarnViewModel
