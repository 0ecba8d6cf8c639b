// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace TarnViewModel {
class BookSnapshot;
}  // namespace TarnViewModel

namespace Analysis {

struct BookStats {
    std::uint32_t sections = 0;
    std::uint32_t choices = 0;
    std::uint32_t hiddenChoices = 0;
    // Words of the section texts and the choice texts.
    std::uint64_t words = 0;
    // Sections without a choice, reached or not.
    std::uint32_t endings = 0;
    // Choices taken on the way from section 1 to an ending; none when no ending is reached.
    std::optional<std::uint32_t> shortestPath;
    std::optional<std::uint32_t> longestPath;
    // Whether the book loops back on itself, so that the longest path leaves out the
    // choices that return to a section already on the way.
    bool loopsIgnored = false;
};

BookStats CountBook(const TarnViewModel::BookSnapshot& book);

// Minutes a reader takes over every word at 200 words a minute, a part minute counted whole.
std::uint64_t ReadingMinutes(const BookStats& stats);

}  // namespace Analysis
