#include "cli/CliCommands.h"
#include "cli/CommandLine.h"

#include <iostream>
#include <string>
#include <vector>

// Exit status: 0 success, 1 problems found or a failure, 2 bad arguments or a book that
// cannot be read. Every failure is reported on standard error in one line.
int main(int argc, char** argv)
{
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return BrindleCli::RunCommand(BrindleCli::ParseCommandLine(arguments), std::cout, std::cerr);
    } catch (const BrindleCli::UsageError& error) {
        std::cerr << "brindle: " << error.what() << "\n\n" << BrindleCli::UsageText();
        return 2;
    } catch (const BrindleCli::BookUnreadable& error) {
        std::cerr << "brindle: " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "brindle: " << error.what() << '\n';
        return 1;
    } catch (...) {
        std::cerr << "brindle: an unexpected error occurred\n";
        return 1;
    }
}
