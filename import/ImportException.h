// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

#include <cstddef>
#include <string>

namespace Import {

// A story that cannot be made into a book; the message names the file and, where there is
// one, the line.
class ImportException : public Messages::MessageError {
public:
    ImportException(const std::string& fileName, std::size_t line, Messages::Message reason)
        : Messages::MessageError(
              line > 0 ? BRINDLE_TEXT("Import", "Cannot import \"%1\", line %2: %3").Arg(fileName).Arg(line).Arg(std::move(reason))
                       : BRINDLE_TEXT("Import", "Cannot import \"%1\": %2").Arg(fileName).Arg(std::move(reason)))
    {}
};

}  // namespace Import
