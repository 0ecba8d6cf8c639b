#include "graph/StoryGraph.h"

#include "graph/TarnDataModelException.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

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
        throw TarnDataModelException("Section cannot be updated");
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
        throw TarnDataModelException("Numbering gives two sections the same number");
    }
    std::map<std::uint32_t, Section> renumbered;
    auto next = numbers.begin();
    for (auto& [number, section] : sections_) {
        const std::uint32_t target = *next++;
        if (target != number) {
            section.number = target;
            RewriteChoices(section.id, target);
        }
        renumbered.emplace(target, std::move(section));
    }
    sections_ = std::move(renumbered);
}

void StoryGraph::Shuffle()
{
    std::vector<std::uint32_t> shuffled;
    for (const auto& [number, section] : sections_) {
        if (section.shiftable) {
            shuffled.push_back(number);
        }
    }
    std::mt19937 engine(static_cast<std::mt19937::result_type>(std::rand()));
    std::shuffle(shuffled.begin(), shuffled.end(), engine);
    if (shuffled.size() > sections_.size()) {
        throw TarnDataModelException("Shuffle failed");
    }
    std::vector<std::uint32_t> numbers;
    numbers.reserve(sections_.size());
    auto next = shuffled.begin();
    for (const auto& [number, section] : sections_) {
        numbers.push_back(section.shiftable ? *next++ : number);
    }
    Renumber(numbers);
}

std::uint32_t StoryGraph::ScoreNumbering() const
{
    double total = 0.0;
    for (const auto& [number, section] : sections_) {
        const ChoiceOrder& order = OrderOf(section);
        if (order.empty()) {
            continue;
        }
        std::uint32_t previous = number;
        std::uint32_t sum = 0;
        for (const Uuid& id : order) {
            const std::uint32_t destination = choices_.at(id).destination;
            // Any distance of 4 or more scores the same 10, so capping before squaring
            // keeps large gaps from overflowing.
            const std::int64_t distance =
                std::min<std::int64_t>(std::llabs(std::int64_t{destination} - std::int64_t{previous}), 4);
            sum += static_cast<std::uint32_t>(std::min<std::int64_t>(distance * distance, 10));
            previous = destination;
        }
        total += static_cast<double>(sum) / static_cast<double>(order.size());
    }
    return static_cast<std::uint32_t>(std::floor(total));
}

Numbering StoryGraph::CurrentNumbering() const
{
    Numbering numbering;
    for (const auto& [number, section] : sections_) {
        numbering.emplace(section.id, number);
    }
    return numbering;
}

}  // namespace TarnViewModel
