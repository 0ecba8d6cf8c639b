// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace BrindleCli {

// A book that could not be read; the message names the file and gives the reader's reason.
class BookUnreadable : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

// Runs the command, writing its results to the output and its progress to the errors
// stream; returns the exit status. Failures are thrown.
int RunCommand(const Options& options, std::ostream& output, std::ostream& errors);

int RunExport(const Options& options, std::ostream& errors);
int RunImport(const Options& options, std::ostream& errors);
int RunGraph(const Options& options);
int RunCheck(const Options& options, std::ostream& output);
int RunStats(const Options& options, std::ostream& output);

}  // namespace BrindleCli
