// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

namespace TarnViewModel {

// A change the story graph or the book document refuses, such as a number already in use.
class TarnDataModelException : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

}  // namespace TarnViewModel
