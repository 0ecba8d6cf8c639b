// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace TarnViewModel {

// A book file that cannot be used at all; the message begins with a fixed English text.
class FileHandlingException : public std::runtime_error {
public:
    explicit FileHandlingException(const std::string& message) : std::runtime_error(message) {}

    // For a path where there is neither a file nor a folder.
    static FileHandlingException NothingAt(const std::string& fileName)
    {
        return FileHandlingException("Cannot open file \"" + fileName + "\": there is no such file");
    }
};

}  // namespace TarnViewModel
