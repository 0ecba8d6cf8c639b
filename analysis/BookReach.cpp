// SPDX-License-Identifier: MIT
#include "analysis/BookReach.h"

#include "document/BookSnapshot.h"

#include <deque>

namespace Analysis {

using namespace TarnViewModel;

StoryLinks::StoryLinks(const BookSnapshot& book)
{
    const std::uint32_t highest = book.SectionCount() == 0 ? 0 : book.LastSectionNumber();
    next.resize(highest + 1);
    isSection.resize(highest + 1, false);
    book.VisitSections([&](const Section& section) {
        isSection[section.number] = true;
        next[section.number].reserve(book.ChoiceCount(section.number));
        book.VisitSectionChoices(section.number, false, [&](const Choice& choice) { next[section.number].push_back(choice.destination); });
    });
}

std::vector<std::int64_t> DistancesFromStart(const StoryLinks& links)
{
    std::vector<std::int64_t> distance(links.next.size(), -1);
    if (links.Highest() < 1 || !links.isSection[1]) {
        return distance;
    }
    std::deque<std::uint32_t> waiting{1};
    distance[1] = 0;
    while (!waiting.empty()) {
        const std::uint32_t number = waiting.front();
        waiting.pop_front();
        for (const std::uint32_t destination : links.next[number]) {
            if (destination < distance.size() && distance[destination] < 0) {
                distance[destination] = distance[number] + 1;
                waiting.push_back(destination);
            }
        }
    }
    return distance;
}

}  // namespace Analysis
