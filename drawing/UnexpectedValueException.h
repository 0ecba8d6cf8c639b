// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

namespace Drawing {

// A value that no caller can give, such as an image type beyond the dialog's filters or a
// property the grids do not have.
class UnexpectedValueException : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

}  // namespace Drawing
