#pragma once

#include <stdexcept>
#include <string>

namespace TarnViewModel {

// A book file that cannot be used at all, with a fixed English message.
class FileHandlingException : public std::runtime_error {
public:
    explicit FileHandlingException(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace TarnViewModel
