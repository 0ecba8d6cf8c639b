// SPDX-License-Identifier: MIT
#pragma once

#include "messages/Message.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Import {

// What an import left out of a story or read in spite of a fault, each naming the file.
using ImportWarnings = std::vector<Messages::Message>;

// A warning about the file as a whole.
inline Messages::Message InFile(const std::string& fileName, Messages::Message what)
{
    return BRINDLE_TEXT("Import", "\"%1\": %2").Arg(fileName).Arg(std::move(what));
}

// A warning about a line of the file, from 1.
inline Messages::Message AtLine(const std::string& fileName, std::size_t line, Messages::Message what)
{
    return BRINDLE_TEXT("Import", "\"%1\", line %2: %3").Arg(fileName).Arg(line).Arg(std::move(what));
}

}  // namespace Import
