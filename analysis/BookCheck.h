// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace TarnViewModel {
class BookSnapshot;
struct Section;
}  // namespace TarnViewModel

namespace Analysis {

struct ChoiceLink {
    std::uint32_t source = 0;
    std::uint32_t destination = 0;
    // How many choices of the source lead there.
    std::uint32_t count = 1;

    bool operator==(const ChoiceLink&) const = default;
};

// What an author wants to know before publishing, each list in number order. Endings are
// listed for the author to confirm and are not problems in themselves.
struct CheckReport {
    std::vector<std::uint32_t> unreachable;
    std::vector<std::uint32_t> endings;
    std::vector<std::uint32_t> emptySlots;
    std::vector<ChoiceLink> choicesToEmptySlots;
    std::vector<std::uint32_t> emptyText;
    std::vector<ChoiceLink> duplicateChoices;

    bool HasProblems() const;
};

// Only spaces and line breaks, or nothing at all.
bool HasNoText(const TarnViewModel::Section& section);

// Section 1 is where the reader starts; a book without it reaches nothing.
CheckReport CheckBook(const TarnViewModel::BookSnapshot& book);

}  // namespace Analysis
