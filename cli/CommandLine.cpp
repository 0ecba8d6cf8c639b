// SPDX-License-Identifier: MIT
#include "cli/CommandLine.h"

#include "messages/Translator.h"

#include <boost/program_options.hpp>

#include <map>

namespace BrindleCli {

namespace {

namespace po = boost::program_options;

const std::map<std::string, Command> Commands{{"export", Command::Export},
                                              {"import", Command::Import},
                                              {"graph", Command::Graph},
                                              {"check", Command::Check},
                                              {"stats", Command::Stats}};

po::options_description OptionsOf(Command command, Options& options)
{
    po::options_description described;
    described.add_options()("help,h", "")("book", po::value(&options.book)->required(), "");
    switch (command) {
    case Command::Export:
        described.add_options()("format,f", po::value(&options.format)->required(), "")("output,o", po::value(&options.output)->required(),
                                                                                        "")("force", po::bool_switch(&options.force), "")(
            "page-size", po::value(&options.pageSize), "")("margin", po::value(&options.margin), "");
        break;
    case Command::Import:
        described.add_options()("output,o", po::value(&options.output)->required(), "")("story", po::value(&options.story),
                                                                                        "")("force", po::bool_switch(&options.force), "");
        break;
    case Command::Graph:
        described.add_options()("output,o", po::value(&options.output)->required(), "")("zoom",
                                                                                        po::value(&options.zoom)->default_value(100), "");
        break;
    case Command::Check:
    case Command::Stats:
        described.add_options()("json", po::bool_switch(&options.json), "");
        break;
    case Command::Help:
        break;
    }
    return described;
}

}  // namespace

Options ParseCommandLine(const std::vector<std::string>& arguments)
{
    Options options;
    if (arguments.empty()) {
        throw UsageError(BRINDLE_TEXT("BrindleCli", "no command given"));
    }
    if (arguments.front() == "--help" || arguments.front() == "-h" || arguments.front() == "help") {
        return options;
    }
    const auto command = Commands.find(arguments.front());
    if (command == Commands.end()) {
        throw UsageError(BRINDLE_TEXT("BrindleCli", "unknown command \"%1\"").Arg(arguments.front()));
    }
    options.command = command->second;
    const po::options_description described = OptionsOf(options.command, options);
    po::positional_options_description positional;
    positional.add("book", 1);
    po::variables_map values;
    try {
        const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
        po::store(po::command_line_parser(rest).options(described).positional(positional).run(), values);
        if (values.count("help") != 0) {
            return Options{};
        }
        po::notify(values);
    } catch (const po::error& error) {
        throw UsageError(Messages::Verbatim(error.what()));
    }
    if (options.command == Command::Graph && (options.zoom < 10 || options.zoom > 100)) {
        throw UsageError(BRINDLE_TEXT("BrindleCli", "the zoom must be a percentage from 10 to 100"));
    }
    if ((values.count("page-size") != 0 || values.count("margin") != 0) && options.format != "pdf") {
        throw UsageError(BRINDLE_TEXT("BrindleCli", "--page-size and --margin are for the pdf format only"));
    }
    return options;
}

std::string UsageText()
{
    return Messages::Translated(BRINDLE_TEXT("BrindleCli",
                                             "Usage:\n"
                                             "  brindle export BOOK.brindle --format FORMAT -o OUTPUT [--force]\n"
                                             "               [--page-size SIZE] [--margin MM]\n"
                                             "      Writes the book as the desktop program's Export Book does. FORMAT is one of\n"
                                             "      txt, rtf, html, xml, json, choicescript, epub, pdf, twee, or html-pages for one\n"
                                             "      page per section in the folder OUTPUT, which must be empty unless --force is\n"
                                             "      given.\n"
                                             "      A PDF's pages are a4 (the default), a5, letter or 6x9 (inches), with margins\n"
                                             "      of MM millimetres (5 to 40, default 20).\n"
                                             "  brindle import STORY.twee|STORY.html -o BOOK.brindle [--story NAME|IFID] [--force]\n"
                                             "      Makes a book of a Twine story: Twee 3, or Twine 2's published HTML or\n"
                                             "      archive, where --story names the story, or gives its IFID, when there are\n"
                                             "      several. An existing BOOK.brindle is replaced only when --force is given.\n"
                                             "  brindle graph BOOK.brindle -o IMAGE [--zoom PERCENT]\n"
                                             "      Draws the flowchart into IMAGE (.png, .bmp, .jpg or .gif) at PERCENT\n"
                                             "      (10 to 100, default 100).\n"
                                             "  brindle check BOOK.brindle [--json]\n"
                                             "      Lists what to look at before publishing: sections that section 1 never\n"
                                             "      leads to, empty slots, choices to empty slots, sections without text and\n"
                                             "      repeated choices, and the endings to confirm. Exits with 0 when nothing is\n"
                                             "      wrong, 1 when something is, 2 when the book cannot be read.\n"
                                             "  brindle stats BOOK.brindle [--json]\n"
                                             "      Counts sections, choices, hidden choices and words, and the shortest and\n"
                                             "      longest way from section 1 to an ending.\n"
                                             "  brindle --help\n"));
}

}  // namespace BrindleCli
