// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

namespace TarnViewModel {

// What a failed write of a file says to the author: what happened in plain words (the
// disk is full, the folder is read-only), then the system's own reason.
Messages::Message WriteFailureReason(int error);

// A file that could not be written; the file on disk, if any, is as it was.
class FileWriteException : public Messages::MessageError {
public:
    // "Cannot write "NAME": REASON."
    FileWriteException(const std::string& fileName, int error);
};

}  // namespace TarnViewModel
