// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace TarnViewModel {
class BookSnapshot;
}  // namespace TarnViewModel

namespace Analysis {

// The book's sections as numbered nodes and their choices as edges, for walking the story.
struct StoryLinks {
    // Destinations of each number's choices in choice order; index = number, 0 unused.
    std::vector<std::vector<std::uint32_t>> next;
    std::vector<bool> isSection;

    explicit StoryLinks(const TarnViewModel::BookSnapshot& book);
    std::uint32_t Highest() const { return static_cast<std::uint32_t>(next.size()) - 1; }
};

// The number of choices on the quickest way from section 1 to each number, or -1 where no
// way leads.
std::vector<std::int64_t> DistancesFromStart(const StoryLinks& links);

}  // namespace Analysis
