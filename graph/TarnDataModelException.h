// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace TarnViewModel {

// Misuse of the story graph or the book document, with a fixed English message.
class TarnDataModelException : public std::runtime_error {
public:
    explicit TarnDataModelException(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace TarnViewModel
