// SPDX-License-Identifier: MIT
#include "analysis/BookCheck.h"

#include "analysis/BookReach.h"
#include "document/BookSnapshot.h"

#include <map>

namespace Analysis {

using namespace TarnViewModel;

bool CheckReport::HasProblems() const
{
    return !unreachable.empty() || !emptySlots.empty() || !choicesToEmptySlots.empty() || !emptyText.empty() || !duplicateChoices.empty();
}

bool HasNoText(const Section& section)
{
    return section.text.find_first_not_of(L" \t\r\n") == std::wstring::npos;
}

CheckReport CheckBook(const BookSnapshot& book)
{
    const StoryLinks links(book);
    const std::vector<std::int64_t> distance = DistancesFromStart(links);
    CheckReport report;
    for (std::uint32_t number = 1; number <= links.Highest(); ++number) {
        if (!links.isSection[number]) {
            report.emptySlots.push_back(number);
            continue;
        }
        if (distance[number] < 0) {
            report.unreachable.push_back(number);
        }
        if (links.next[number].empty()) {
            report.endings.push_back(number);
        }
        if (HasNoText(book.GetSection(number))) {
            report.emptyText.push_back(number);
        }
        std::map<std::uint32_t, std::uint32_t> counts;
        for (const std::uint32_t destination : links.next[number]) {
            ++counts[destination];
        }
        for (const auto& [destination, count] : counts) {
            if (destination > links.Highest() || !links.isSection[destination]) {
                report.choicesToEmptySlots.push_back({number, destination, count});
            }
            if (count > 1) {
                report.duplicateChoices.push_back({number, destination, count});
            }
        }
    }
    return report;
}

}  // namespace Analysis
