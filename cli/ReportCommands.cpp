// SPDX-License-Identifier: MIT
#include "analysis/BookCheck.h"
#include "analysis/BookStats.h"
#include "cli/BookLoading.h"
#include "cli/CliCommands.h"
#include "document/BookSnapshot.h"

#include <optional>
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

void WriteNumbers(std::ostream& output, const std::vector<std::uint32_t>& numbers, const char* separator)
{
    WriteJoined(output, numbers, separator, [&](std::uint32_t number) { output << number; });
}

void WriteLinksText(std::ostream& output, const std::vector<ChoiceLink>& links)
{
    WriteJoined(output, links, ", ", [&](const ChoiceLink& link) {
        output << link.source << " -> " << link.destination;
        if (link.count > 1) {
            output << " (" << link.count << " choices)";
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
    const auto numbers = [&](const char* heading, const std::vector<std::uint32_t>& list) {
        if (!list.empty()) {
            output << heading << ": ";
            WriteNumbers(output, list, ", ");
            output << '\n';
        }
    };
    const auto links = [&](const char* heading, const std::vector<ChoiceLink>& list) {
        if (!list.empty()) {
            output << heading << ": ";
            WriteLinksText(output, list);
            output << '\n';
        }
    };
    numbers("Sections that no path from section 1 reaches", report.unreachable);
    numbers("Empty slots", report.emptySlots);
    links("Choices to empty slots", report.choicesToEmptySlots);
    numbers("Sections without text", report.emptyText);
    links("Repeated choices to the same destination", report.duplicateChoices);
    numbers("Endings to confirm (sections without choices)", report.endings);
    output << (report.HasProblems() ? "Problems found.\n" : "No problems found.\n");
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
    const auto path = [&](const char* heading, const std::optional<std::uint32_t>& choices) {
        output << heading << ": ";
        if (choices) {
            output << *choices << (*choices == 1 ? " choice" : " choices");
        } else {
            output << "no ending is reached";
        }
    };
    output << "Sections: " << stats.sections << '\n'
           << "Choices: " << stats.choices << '\n'
           << "Hidden choices: " << stats.hiddenChoices << '\n'
           << "Words: " << stats.words << '\n';
    path("Shortest path from section 1 to an ending", stats.shortestPath);
    output << '\n';
    path("Longest path from section 1 to an ending", stats.longestPath);
    output << (stats.loopsIgnored && stats.longestPath ? ", not going round a loop\n" : "\n");
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
