// SPDX-License-Identifier: MIT
#include "cli/CliCommands.h"

namespace BrindleCli {

int RunCommand(const Options& options, std::ostream& output, std::ostream& errors)
{
    switch (options.command) {
    case Command::Export:
        return RunExport(options, errors);
    case Command::Import:
        return RunImport(options, errors);
    case Command::Graph:
        return RunGraph(options);
    case Command::Check:
        return RunCheck(options, output);
    case Command::Stats:
        return RunStats(options, output);
    case Command::Help:
        break;
    }
    output << UsageText();
    return 0;
}

}  // namespace BrindleCli
