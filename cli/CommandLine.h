// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

#include <string>
#include <vector>

namespace BrindleCli {

enum class Command { Help, Export, Import, Graph, Check, Stats };

struct Options {
    Command command = Command::Help;
    // The book read, or for an import the story file read.
    std::string book;
    std::string format;
    std::string output;
    // For a PDF: the paper's name and the margin in millimetres.
    std::string pageSize = "a4";
    double margin = 20;
    // The story to import from a file of several.
    std::string story;
    bool force = false;
    bool json = false;
    int zoom = 100;
};

// Arguments that do not make a command; the message says what is wrong.
class UsageError : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

// The arguments after the program's name.
Options ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();

}  // namespace BrindleCli
