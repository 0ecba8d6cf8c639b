// SPDX-License-Identifier: MIT
#include "analysis/BookCheck.h"
#include "analysis/BookStats.h"
#include "cli/BookLoading.h"
#include "cli/CliCommands.h"
#include "document/BookSnapshot.h"
#include "messages/Translator.h"

#include <optional>
#include <sstream>
#include <vector>

namespace BrindleCli {

using Analysis::BookStats;
using Analysis::CheckBook;
using Analysis::CheckReport;
using Analysis::ChoiceLink;
using Analysis::CountBook;

namespace {

template <class Item, class Write>
void WriteJoined(std::ostream& output, const std::vector<Item>& items, const char* separator, Write write)
{
    for (std::size_t index = 0; index < items.size(); ++index) {
        output << (index > 0 ? separator : "");
        write(items[index]);
    }
}

// A heading and what it lists, as each language sets them apart ("Empty slots: 4, 9").
std::string Headed(Messages::Message heading, const std::string& listed)
{
    return Messages::Translated(BRINDLE_TEXT("BrindleCli", "%1: %2").Arg(std::move(heading)).Arg(listed));
}

void WriteNumbers(std::ostream& output, const std::vector<std::uint32_t>& numbers, const char* separator)
{
    WriteJoined(output, numbers, separator, [&](std::uint32_t number) { output << number; });
}

void WriteLinksText(std::ostream& output, const std::vector<ChoiceLink>& links)
{
    WriteJoined(output, links, ", ", [&](const ChoiceLink& link) {
        output << link.source << " -> " << link.destination;
        if (link.count > 1) {
            output << ' ' << Messages::Translated(BRINDLE_COUNTED_TEXT("BrindleCli", "(%n choices)").Count(link.count));
        }
    });
}

void WriteLinksJson(std::ostream& output, const std::vector<ChoiceLink>& links)
{
    output << '[';
    WriteJoined(output, links, ",", [&](const ChoiceLink& link) {
        output << "{\"source\":" << link.source << ",\"destination\":" << link.destination << ",\"count\":" << link.count << '}';
    });
    output << ']';
}

void WriteCheckText(std::ostream& output, const CheckReport& report)
{
    const auto numbers = [&](Messages::Message heading, const std::vector<std::uint32_t>& list) {
        if (!list.empty()) {
            std::ostringstream listed;
            WriteNumbers(listed, list, ", ");
            output << Headed(std::move(heading), listed.str()) << '\n';
        }
    };
    const auto links = [&](Messages::Message heading, const std::vector<ChoiceLink>& list) {
        if (!list.empty()) {
            std::ostringstream listed;
            WriteLinksText(listed, list);
            output << Headed(std::move(heading), listed.str()) << '\n';
        }
    };
    numbers(BRINDLE_TEXT("BrindleCli", "Sections that no path from section 1 reaches"), report.unreachable);
    numbers(BRINDLE_TEXT("BrindleCli", "Empty slots"), report.emptySlots);
    links(BRINDLE_TEXT("BrindleCli", "Choices to empty slots"), report.choicesToEmptySlots);
    numbers(BRINDLE_TEXT("BrindleCli", "Sections without text"), report.emptyText);
    links(BRINDLE_TEXT("BrindleCli", "Repeated choices to the same destination"), report.duplicateChoices);
    numbers(BRINDLE_TEXT("BrindleCli", "Endings to confirm (sections without choices)"), report.endings);
    output << Messages::Translated(report.HasProblems() ? BRINDLE_TEXT("BrindleCli", "Problems found.")
                                                        : BRINDLE_TEXT("BrindleCli", "No problems found."))
           << '\n';
}

void WriteCheckJson(std::ostream& output, const CheckReport& report)
{
    const auto numbers = [&](const char* name, const std::vector<std::uint32_t>& list) {
        output << '"' << name << "\":[";
        WriteNumbers(output, list, ",");
        output << "],";
    };
    output << '{';
    numbers("unreachable", report.unreachable);
    numbers("emptySlots", report.emptySlots);
    output << "\"choicesToEmptySlots\":";
    WriteLinksJson(output, report.choicesToEmptySlots);
    output << ',';
    numbers("emptyText", report.emptyText);
    output << "\"duplicateChoices\":";
    WriteLinksJson(output, report.duplicateChoices);
    output << ',';
    numbers("endings", report.endings);
    output << "\"ok\":" << (report.HasProblems() ? "false" : "true") << "}\n";
}

void WriteStatsText(std::ostream& output, const BookStats& stats)
{
    const auto path = [&](const Messages::Message& heading, const std::optional<std::uint32_t>& choices) {
        output << Headed(heading, Messages::Translated(choices ? BRINDLE_COUNTED_TEXT("BrindleCli", "%n choice(s)").Count(*choices)
                                                               : BRINDLE_TEXT("BrindleCli", "no ending is reached")));
    };
    output << Messages::Translated(BRINDLE_TEXT("BrindleCli", "Sections: %1").Arg(stats.sections)) << '\n'
           << Messages::Translated(BRINDLE_TEXT("BrindleCli", "Choices: %1").Arg(stats.choices)) << '\n'
           << Messages::Translated(BRINDLE_TEXT("BrindleCli", "Hidden choices: %1").Arg(stats.hiddenChoices)) << '\n'
           << Messages::Translated(BRINDLE_TEXT("BrindleCli", "Words: %1").Arg(stats.words)) << '\n';
    path(BRINDLE_TEXT("BrindleCli", "Shortest path from section 1 to an ending"), stats.shortestPath);
    output << '\n';
    path(BRINDLE_TEXT("BrindleCli", "Longest path from section 1 to an ending"), stats.longestPath);
    output << (stats.loopsIgnored && stats.longestPath ? Messages::Translated(BRINDLE_TEXT("BrindleCli", ", not going round a loop"))
                                                       : std::string())
           << '\n';
}

void WriteStatsJson(std::ostream& output, const BookStats& stats)
{
    const auto path = [&](const std::optional<std::uint32_t>& choices) {
        if (choices) {
            output << *choices;
        } else {
            output << "null";
        }
    };
    output << "{\"sections\":" << stats.sections << ",\"choices\":" << stats.choices << ",\"hiddenChoices\":" << stats.hiddenChoices
           << ",\"words\":" << stats.words << ",\"shortestPath\":";
    path(stats.shortestPath);
    output << ",\"longestPath\":";
    path(stats.longestPath);
    output << ",\"longestPathIgnoresLoops\":" << (stats.loopsIgnored ? "true" : "false") << "}\n";
}

}  // namespace

int RunCheck(const Options& options, std::ostream& output)
{
    const CheckReport report = CheckBook(*TarnViewModel::BookSnapshot::Of(ReadBook(options.book)));
    if (options.json) {
        WriteCheckJson(output, report);
    } else {
        WriteCheckText(output, report);
    }
    return report.HasProblems() ? 1 : 0;
}

int RunStats(const Options& options, std::ostream& output)
{
    const BookStats stats = CountBook(*TarnViewModel::BookSnapshot::Of(ReadBook(options.book)));
    if (options.json) {
        WriteStatsJson(output, stats);
    } else {
        WriteStatsText(output, stats);
    }
    return 0;
}

}  // namespace BrindleCli
