// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Choice.h"
#include "graph/Numbering.h"
#include "graph/Section.h"
#include "graph/UuidGraph.h"
#include "messages/Message.h"

#include <cstdint>
#include <functional>

#include <map>
#include <unordered_map>
#include <vector>

namespace TarnViewModel {

using SectionCallback = std::function<void(const Section&)>;
using ChoiceCallback = std::function<void(const Choice&)>;

// The sections by number, the choices by id, each section's choice order and the link
// graph between them. Every operation checks before it changes anything, so a throwing
// call leaves the graph as it was.
class StoryGraph {
public:
    void AddSection(const Section& section);
    const Section& GetSection(std::uint32_t number) const;
    void UpdateSection(std::uint32_t number, const Section& section);
    void DeleteSection(std::uint32_t number);
    bool HasSection(std::uint32_t number) const;
    std::uint32_t SectionCount() const;
    // Room for this many sections and choices in all, for building a large book at once.
    void Reserve(std::size_t sections, std::size_t choices);
    std::int32_t FirstSectionNumber() const;
    std::uint32_t LastSectionNumber() const;
    std::uint32_t NextFreeSectionNumber() const;
    std::vector<Section> AllSections() const;
    void VisitSections(const SectionCallback& callback) const;

    void AddChoice(const Choice& choice);
    const Choice& GetChoice(const Uuid& id) const;
    bool HasChoice(const Uuid& id) const;
    void UpdateChoice(const Uuid& id, const Choice& choice);
    void DeleteChoice(const Uuid& id);
    std::vector<Choice> AllChoices() const;
    void VisitChoices(const ChoiceCallback& callback) const;
    void VisitSectionChoices(std::uint32_t number, bool descending, const ChoiceCallback& callback) const;
    void VisitChoicesOfSections(const std::vector<std::uint32_t>& numbers, const ChoiceCallback& callback) const;
    std::uint32_t ChoiceCount(std::uint32_t number) const;
    // Adds copies of the section's choices, in their order, to the end of the list.
    void CopySectionChoices(std::uint32_t number, std::vector<Choice>& list) const;
    bool HasChoices(std::uint32_t number, bool includeHidden) const;

    // Gives every section listed in the numbering its listed number, choices following.
    void ApplyNumbers(const Numbering& numbering);
    // One random permutation of the numbers held by the shiftable sections.
    void Shuffle();
    // How well the numbering hides where a choice leads; higher is better.
    std::uint32_t ScoreNumbering() const;
    // Every section's id with its number.
    Numbering CurrentNumbering() const;
    // Numbers listed for the sections in ascending order of the numbers they hold now.
    std::vector<std::uint32_t> PresentNumbers() const;
    // The best scoring of `passes` shuffles, each taken from the one before, as if the
    // sections had been shuffled that many times; nothing is renumbered.
    std::vector<std::uint32_t> BestShuffle(int passes) const;
    Numbering NumberingOf(const std::vector<std::uint32_t>& numbers) const;
    // The sections that the numbering would move.
    NumberChanges ChangesTo(const Numbering& numbering) const;

private:
    using ChoiceOrder = std::vector<Uuid>;

    // Shuffles and scores many numberings of one graph, its choices looked up once.
    class ShuffleSearch {
    public:
        explicit ShuffleSearch(const StoryGraph& graph);
        std::vector<std::uint32_t> Reshuffled(const std::vector<std::uint32_t>& numbers) const;
        std::uint32_t Score(const std::vector<std::uint32_t>& numbers) const;

    private:
        std::size_t IndexOf(std::uint32_t number) const;

        std::vector<std::uint32_t> present_;
        // Where the choices lead, as indexes into present_, section after section in present
        // order; section i's run from firsts_[i] up to firsts_[i + 1].
        std::vector<std::uint32_t> destinations_;
        std::vector<std::size_t> firsts_;
        std::vector<bool> shiftable_;
        // The numbers that the shiftable sections hold among them, ascending.
        std::vector<std::uint32_t> held_;
    };

    const Section& CheckedSection(std::uint32_t number, const Messages::Message& message) const;
    const ChoiceOrder& OrderOf(const Section& section) const;
    std::pair<const Section*, const Section*> CheckedEnds(const Choice& choice) const;
    static std::size_t InsertInOrder(ChoiceOrder& order, const Uuid& id, std::int32_t position);
    void RenumberOrders(const ChoiceOrder& order, std::size_t from = 0);
    void RewriteChoices(const Uuid& sectionId, std::uint32_t number);
    std::vector<const Choice*> ChoicesInIdOrder() const;
    void Renumber(const std::vector<std::uint32_t>& numbers);

    std::map<std::uint32_t, Section> sections_;
    // Hashed for quick look-ups; the id order is made when a caller walks all choices.
    std::unordered_map<Uuid, Choice, UuidHash> choices_;
    std::unordered_map<Uuid, ChoiceOrder, UuidHash> orders_;
    GraphCore::UuidGraph links_;
};

}  // namespace TarnViewModel
