// SPDX-License-Identifier: MIT
#include "graph/StoryGraph.h"

#include "graph/TarnDataModelException.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <span>

namespace TarnViewModel {

void StoryGraph::RewriteChoices(const Uuid& sectionId, std::uint32_t number)
{
    links_.ForEachOutEdge(sectionId, [&](const Uuid& id) { choices_.at(id).source = number; });
    links_.ForEachInEdge(sectionId, [&](const Uuid& id) { choices_.at(id).destination = number; });
}

void StoryGraph::UpdateSection(std::uint32_t number, const Section& section)
{
    auto found = sections_.find(number);
    if (found == sections_.end()) {
        throw TarnDataModelException(BRINDLE_TEXT("StoryGraph", "Section cannot be updated"));
    }
    Section updated = section;
    updated.id = found->second.id;
    const std::uint32_t target = updated.number;
    if (target == number) {
        found->second = std::move(updated);
        return;
    }
    auto taken = sections_.find(target);
    if (taken == sections_.end()) {
        sections_.erase(found);
    } else {
        // Swap: the section holding the target number moves to the number being given up.
        Section other = taken->second;
        other.number = number;
        RewriteChoices(other.id, number);
        found->second = std::move(other);
    }
    RewriteChoices(updated.id, target);
    sections_.insert_or_assign(target, std::move(updated));
}

void StoryGraph::ApplyNumbers(const Numbering& numbering)
{
    std::vector<std::uint32_t> numbers;
    numbers.reserve(sections_.size());
    for (const auto& [number, section] : sections_) {
        auto mapped = numbering.find(section.id);
        numbers.push_back(mapped == numbering.end() ? number : mapped->second);
    }
    Renumber(numbers);
}

// Gives the sections, walked in ascending number order, the numbers listed for them.
void StoryGraph::Renumber(const std::vector<std::uint32_t>& numbers)
{
    std::vector<std::uint32_t> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
        throw TarnDataModelException(BRINDLE_TEXT("StoryGraph", "Numbering gives two sections the same number"));
    }
    // The choices follow in one pass over them all, far cheaper than finding each section's
    // choices; a number that no section holds keeps its choices.
    const std::vector<std::uint32_t> old = PresentNumbers();
    // The nodes move across whole, so no section is copied or allocated again.
    std::map<std::uint32_t, Section> renumbered;
    auto next = numbers.begin();
    while (!sections_.empty()) {
        auto node = sections_.extract(sections_.begin());
        const std::uint32_t target = *next++;
        node.mapped().number = target;
        node.key() = target;
        renumbered.insert(std::move(node));
    }
    sections_ = std::move(renumbered);
    const auto renumber = [&](std::uint32_t& number) {
        const auto found = std::lower_bound(old.begin(), old.end(), number);
        if (found != old.end() && *found == number) {
            number = numbers[static_cast<std::size_t>(found - old.begin())];
        }
    };
    for (auto& [id, choice] : choices_) {
        renumber(choice.source);
        renumber(choice.destination);
    }
}

void StoryGraph::Shuffle()
{
    Renumber(ShuffleSearch(*this).Reshuffled(PresentNumbers()));
}

std::uint32_t StoryGraph::ScoreNumbering() const
{
    return ShuffleSearch(*this).Score(PresentNumbers());
}

std::vector<std::uint32_t> StoryGraph::PresentNumbers() const
{
    std::vector<std::uint32_t> numbers;
    numbers.reserve(sections_.size());
    for (const auto& [number, section] : sections_) {
        numbers.push_back(number);
    }
    return numbers;
}

std::vector<std::uint32_t> StoryGraph::BestShuffle(int passes) const
{
    const ShuffleSearch search(*this);
    std::vector<std::uint32_t> candidate = PresentNumbers();
    std::vector<std::uint32_t> best = candidate;
    std::int64_t bestScore = -1;
    for (int pass = 0; pass < passes; ++pass) {
        candidate = search.Reshuffled(candidate);
        const std::int64_t score = search.Score(candidate);
        if (score > bestScore) {
            bestScore = score;
            best = candidate;
        }
    }
    return best;
}

StoryGraph::ShuffleSearch::ShuffleSearch(const StoryGraph& graph) : present_(graph.PresentNumbers())
{
    destinations_.reserve(graph.choices_.size());
    firsts_.reserve(present_.size() + 1);
    shiftable_.reserve(present_.size());
    for (const auto& [number, section] : graph.sections_) {
        firsts_.push_back(destinations_.size());
        for (const Uuid& id : graph.OrderOf(section)) {
            destinations_.push_back(static_cast<std::uint32_t>(IndexOf(graph.choices_.at(id).destination)));
        }
        shiftable_.push_back(section.shiftable);
        if (section.shiftable) {
            held_.push_back(number);
        }
    }
    firsts_.push_back(destinations_.size());
}

std::size_t StoryGraph::ShuffleSearch::IndexOf(std::uint32_t number) const
{
    return static_cast<std::size_t>(std::lower_bound(present_.begin(), present_.end(), number) - present_.begin());
}

// The shiftable sections always share the same numbers among them, so the k-th of those
// numbers goes to whichever section holds it in `numbers`; the result is what Renumber
// would have given after renumbering to `numbers` first.
std::vector<std::uint32_t> StoryGraph::ShuffleSearch::Reshuffled(const std::vector<std::uint32_t>& numbers) const
{
    std::vector<std::uint32_t> shuffled = held_;
    std::mt19937 engine(static_cast<std::mt19937::result_type>(std::rand()));
    std::shuffle(shuffled.begin(), shuffled.end(), engine);
    std::vector<std::uint32_t> result = numbers;
    for (std::size_t index = 0; index < result.size(); ++index) {
        if (shiftable_[index]) {
            const auto rank = std::lower_bound(held_.begin(), held_.end(), result[index]) - held_.begin();
            result[index] = shuffled[static_cast<std::size_t>(rank)];
        }
    }
    return result;
}

// Sections are summed in the order of their new numbers, as they would be once renumbered,
// so that the rounding matches. The new numbers are the present ones, reordered.
std::uint32_t StoryGraph::ShuffleSearch::Score(const std::vector<std::uint32_t>& numbers) const
{
    std::vector<std::size_t> byNewNumber(numbers.size());
    for (std::size_t index = 0; index < numbers.size(); ++index) {
        byNewNumber[IndexOf(numbers[index])] = index;
    }
    double total = 0.0;
    for (const std::size_t index : byNewNumber) {
        const std::span<const std::uint32_t> destinations(destinations_.data() + firsts_[index], firsts_[index + 1] - firsts_[index]);
        if (destinations.empty()) {
            continue;
        }
        std::uint32_t previous = numbers[index];
        std::uint32_t sum = 0;
        for (const std::uint32_t destinationIndex : destinations) {
            const std::uint32_t destination = numbers[destinationIndex];
            // Any distance of 4 or more scores the same 10, so capping before squaring
            // keeps large gaps from overflowing.
            const std::int64_t distance = std::min<std::int64_t>(std::llabs(std::int64_t{destination} - std::int64_t{previous}), 4);
            sum += static_cast<std::uint32_t>(std::min<std::int64_t>(distance * distance, 10));
            previous = destination;
        }
        total += static_cast<double>(sum) / static_cast<double>(destinations.size());
    }
    return static_cast<std::uint32_t>(std::floor(total));
}

NumberChanges StoryGraph::ChangesTo(const Numbering& numbering) const
{
    NumberChanges changes;
    for (const auto& [number, section] : sections_) {
        const auto found = numbering.find(section.id);
        if (found != numbering.end() && found->second != number) {
            changes.push_back({number, found->second});
        }
    }
    return changes;
}

Numbering StoryGraph::NumberingOf(const std::vector<std::uint32_t>& numbers) const
{
    Numbering::sequence_type pairs;
    pairs.reserve(sections_.size());
    auto number = numbers.begin();
    for (const auto& [present, section] : sections_) {
        pairs.emplace_back(section.id, *number++);
    }
    std::sort(pairs.begin(), pairs.end());
    Numbering numbering;
    numbering.adopt_sequence(boost::container::ordered_unique_range, std::move(pairs));
    return numbering;
}

Numbering StoryGraph::CurrentNumbering() const
{
    return NumberingOf(PresentNumbers());
}

}  // namespace TarnViewModel
