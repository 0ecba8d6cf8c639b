// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

namespace Spelling {

// A dictionary or the user's word list could not be read or written.
class SpellingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace Spelling
