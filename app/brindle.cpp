// SPDX-License-Identifier: MIT
#include "cli/CliCommands.h"
#include "cli/CommandLine.h"
#include "messages/Translator.h"
#include "translation/ProgramLanguage.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

// Exit status: 0 success, 1 problems found or a failure, 2 bad arguments or a book that
// cannot be read. Every failure is reported on standard error in one line.
int main(int argc, char** argv)
{
    Translation::InstallCommandLineLanguage();
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        const int status = BrindleCli::RunCommand(BrindleCli::ParseCommandLine(arguments), std::cout, std::cerr);
        // The book read for the command is left for the system to reclaim.
        std::cout.flush();
        if (!std::cout.good()) {
            std::cerr << "brindle: " << Messages::Translated(BRINDLE_TEXT("BrindleCli", "the results could not be written")) << '\n';
        }
        std::cerr.flush();
        std::_Exit(std::cout.good() ? status : 1);
    } catch (const BrindleCli::UsageError& error) {
        std::cerr << "brindle: " << Messages::Translated(error.Said()) << "\n\n" << BrindleCli::UsageText();
        return 2;
    } catch (const BrindleCli::BookUnreadable& error) {
        std::cerr << "brindle: " << Messages::Translated(error.Said()) << '\n';
        return 2;
    } catch (const Messages::MessageError& error) {
        std::cerr << "brindle: " << Messages::Translated(error.Said()) << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "brindle: " << error.what() << '\n';
        return 1;
    } catch (...) {
        std::cerr << "brindle: " << Messages::Translated(BRINDLE_TEXT("BrindleCli", "an unexpected error occurred")) << '\n';
        return 1;
    }
}
