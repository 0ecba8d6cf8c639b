// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace Import {

// A story that cannot be made into a book; the message names the file and, where there is
// one, the line.
class ImportException : public std::runtime_error {
public:
    ImportException(const std::string& fileName, std::size_t line, const std::string& reason)
        : std::runtime_error("Cannot import \"" + fileName + "\"" + (line > 0 ? ", line " + std::to_string(line) : "") + ": " + reason)
    {}
};

}  // namespace Import
