// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

namespace TarnViewModel {

// An export whose file could not be created or written.
class ExportException : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

}  // namespace TarnViewModel
