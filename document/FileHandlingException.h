// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

#include <stdexcept>
#include <string>

namespace TarnViewModel {

// A book file that cannot be used at all; the message begins with a fixed English text.
class FileHandlingException : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;

    // For a path where there is neither a file nor a folder.
    static FileHandlingException NothingAt(const std::string& fileName)
    {
        return FileHandlingException(BRINDLE_TEXT("FileHandling", "Cannot open file \"%1\": there is no such file").Arg(fileName));
    }
};

}  // namespace TarnViewModel
