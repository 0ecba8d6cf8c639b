// SPDX-License-Identifier: MIT
#include "graph/StoryGraph.h"

#include "graph/TarnDataModelException.h"

#include <algorithm>
#include <set>

namespace TarnViewModel {

namespace {
const Messages::Message SectionMissing = BRINDLE_TEXT("StoryGraph", "Section does not exist");
const Messages::Message SectionNotVisitable = BRINDLE_TEXT("StoryGraph", "Section cannot be visited - it does not exist");
}  // namespace

const Section& StoryGraph::CheckedSection(std::uint32_t number, const Messages::Message& message) const
{
    auto found = sections_.find(number);
    if (found == sections_.end()) {
        throw TarnDataModelException(message);
    }
    return found->second;
}

const StoryGraph::ChoiceOrder& StoryGraph::OrderOf(const Section& section) const
{
    return orders_.at(section.id);
}

void StoryGraph::AddSection(const Section& section)
{
    if (sections_.contains(section.number)) {
        throw TarnDataModelException(BRINDLE_TEXT("StoryGraph", "Section with this number already exists"));
    }
    sections_.emplace(section.number, section);
    links_.AddVertex(section.id);
    orders_[section.id] = {};
}

const Section& StoryGraph::GetSection(std::uint32_t number) const
{
    return CheckedSection(number, SectionMissing);
}

void StoryGraph::DeleteSection(std::uint32_t number)
{
    const Section& section = CheckedSection(number, SectionMissing);
    const Uuid id = section.id;
    links_.RemoveVertex(id);
    orders_.erase(id);
    sections_.erase(number);
}

bool StoryGraph::HasSection(std::uint32_t number) const
{
    return sections_.contains(number);
}

void StoryGraph::Reserve(std::size_t sections, std::size_t choices)
{
    choices_.reserve(choices);
    orders_.reserve(sections);
    links_.Reserve(sections, choices);
}

std::uint32_t StoryGraph::SectionCount() const
{
    return static_cast<std::uint32_t>(sections_.size());
}

std::int32_t StoryGraph::FirstSectionNumber() const
{
    return sections_.empty() ? -1 : static_cast<std::int32_t>(sections_.begin()->first);
}

std::uint32_t StoryGraph::LastSectionNumber() const
{
    return sections_.empty() ? 0 : sections_.rbegin()->first;
}

std::uint32_t StoryGraph::NextFreeSectionNumber() const
{
    if (sections_.empty() || sections_.begin()->first != 1) {
        return 1;
    }
    auto previous = sections_.begin();
    for (auto it = std::next(previous); it != sections_.end(); previous = it, ++it) {
        if (previous->first + 1 < it->first) {
            return previous->first + 1;
        }
    }
    return previous->first + 1;
}

std::vector<Section> StoryGraph::AllSections() const
{
    std::vector<Section> all;
    all.reserve(sections_.size());
    for (const auto& entry : sections_) {
        all.push_back(entry.second);
    }
    return all;
}

void StoryGraph::VisitSections(const SectionCallback& callback) const
{
    for (const auto& entry : sections_) {
        callback(entry.second);
    }
}

std::pair<const Section*, const Section*> StoryGraph::CheckedEnds(const Choice& choice) const
{
    auto source = sections_.find(choice.source);
    auto destination = sections_.find(choice.destination);
    if (source == sections_.end() || destination == sections_.end()) {
        throw TarnDataModelException(SectionMissing);
    }
    return {&source->second, &destination->second};
}

std::size_t StoryGraph::InsertInOrder(ChoiceOrder& order, const Uuid& id, std::int32_t position)
{
    // Position 1 inserts first, n + 1 appends; 0 (one step back from the first, that is the
    // end) and anything out of range append as well.
    std::size_t index = order.size();
    if (position >= 1 && static_cast<std::size_t>(position) <= order.size()) {
        index = static_cast<std::size_t>(position - 1);
    }
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(index), id);
    return index;
}

// Orders before `from` are already right, so only the tail is rewritten.
void StoryGraph::RenumberOrders(const ChoiceOrder& order, std::size_t from)
{
    for (std::size_t index = from; index < order.size(); ++index) {
        choices_.at(order[index]).order = static_cast<std::int32_t>(index + 1);
    }
}

void StoryGraph::AddChoice(const Choice& choice)
{
    if (choices_.contains(choice.id)) {
        throw TarnDataModelException(BRINDLE_TEXT("StoryGraph", "Choice with this id already exists"));
    }
    auto [source, destination] = CheckedEnds(choice);
    choices_.emplace(choice.id, choice);
    ChoiceOrder& order = orders_.at(source->id);
    RenumberOrders(order, InsertInOrder(order, choice.id, choice.order));
    links_.AddEdge(source->id, choice.id, destination->id);
}

const Choice& StoryGraph::GetChoice(const Uuid& id) const
{
    auto found = choices_.find(id);
    if (found == choices_.end()) {
        throw TarnDataModelException(BRINDLE_TEXT("StoryGraph", "Choice does not exist"));
    }
    return found->second;
}

bool StoryGraph::HasChoice(const Uuid& id) const
{
    return choices_.contains(id);
}

void StoryGraph::UpdateChoice(const Uuid& id, const Choice& choice)
{
    auto found = choices_.find(id);
    if (found == choices_.end()) {
        throw TarnDataModelException(BRINDLE_TEXT("StoryGraph", "Choice cannot be updated"));
    }
    auto [source, destination] = CheckedEnds(choice);
    // Callers never move a choice to another source; should one do so, the choice still
    // leaves the old source's order so that both orders stay 1..n.
    ChoiceOrder& oldOrder = orders_.at(sections_.at(found->second.source).id);
    ChoiceOrder& newOrder = orders_.at(source->id);

    found->second = choice;
    found->second.id = id;
    oldOrder.erase(std::find(oldOrder.begin(), oldOrder.end(), id));
    InsertInOrder(newOrder, id, choice.order);
    RenumberOrders(newOrder);
    if (&oldOrder != &newOrder) {
        RenumberOrders(oldOrder);
    }
    links_.RemoveEdge(id);
    links_.AddEdge(source->id, id, destination->id);
}

void StoryGraph::DeleteChoice(const Uuid& id)
{
    auto found = choices_.find(id);
    if (found == choices_.end()) {
        throw TarnDataModelException(BRINDLE_TEXT("StoryGraph", "Choice does not exist"));
    }
    ChoiceOrder& order = orders_.at(sections_.at(found->second.source).id);
    auto position = order.erase(std::find(order.begin(), order.end(), id));
    RenumberOrders(order, static_cast<std::size_t>(position - order.begin()));
    links_.RemoveEdge(id);
    choices_.erase(found);
}

std::vector<const Choice*> StoryGraph::ChoicesInIdOrder() const
{
    std::vector<const Choice*> ordered;
    ordered.reserve(choices_.size());
    for (const auto& entry : choices_) {
        ordered.push_back(&entry.second);
    }
    std::sort(ordered.begin(), ordered.end(), [](const Choice* x, const Choice* y) { return x->id < y->id; });
    return ordered;
}

std::vector<Choice> StoryGraph::AllChoices() const
{
    std::vector<Choice> all;
    all.reserve(choices_.size());
    for (const Choice* choice : ChoicesInIdOrder()) {
        all.push_back(*choice);
    }
    return all;
}

void StoryGraph::VisitChoices(const ChoiceCallback& callback) const
{
    for (const Choice* choice : ChoicesInIdOrder()) {
        callback(*choice);
    }
}

void StoryGraph::VisitSectionChoices(std::uint32_t number, bool descending, const ChoiceCallback& callback) const
{
    // Copies, so that the callback may change the graph while the visit goes on.
    std::vector<Choice> visited;
    visited.reserve(ChoiceCount(number));
    CopySectionChoices(number, visited);
    if (descending) {
        std::reverse(visited.begin(), visited.end());
    }
    for (const Choice& choice : visited) {
        callback(choice);
    }
}

void StoryGraph::VisitChoicesOfSections(const std::vector<std::uint32_t>& numbers, const ChoiceCallback& callback) const
{
    std::vector<Uuid> sectionIds;
    sectionIds.reserve(numbers.size());
    for (std::uint32_t number : numbers) {
        sectionIds.push_back(CheckedSection(number, SectionNotVisitable).id);
    }
    std::set<Uuid> incident;
    for (const Uuid& sectionId : sectionIds) {
        links_.ForEachIncidentEdge(sectionId, [&incident](const Uuid& id) { incident.insert(id); });
    }
    std::vector<Choice> visited;
    visited.reserve(incident.size());
    for (const Uuid& id : incident) {
        visited.push_back(choices_.at(id));
    }
    for (const Choice& choice : visited) {
        callback(choice);
    }
}

void StoryGraph::CopySectionChoices(std::uint32_t number, std::vector<Choice>& list) const
{
    for (const Uuid& id : OrderOf(CheckedSection(number, SectionNotVisitable))) {
        list.push_back(choices_.at(id));
    }
}

std::uint32_t StoryGraph::ChoiceCount(std::uint32_t number) const
{
    return static_cast<std::uint32_t>(OrderOf(CheckedSection(number, SectionNotVisitable)).size());
}

bool StoryGraph::HasChoices(std::uint32_t number, bool includeHidden) const
{
    const ChoiceOrder& order = OrderOf(CheckedSection(number, SectionNotVisitable));
    return std::any_of(order.begin(), order.end(), [&](const Uuid& id) { return includeHidden || !choices_.at(id).hidden; });
}

}  // namespace TarnViewModel
