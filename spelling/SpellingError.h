// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

namespace Spelling {

// A dictionary or the user's word list could not be read or written.
class SpellingError : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

}  // namespace Spelling
