// SPDX-License-Identifier: MIT
#include "controllers/ChartSteps.h"

#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"

#include <algorithm>

namespace TarnViewModel {

ChartSteps::ChartSteps(const TarnDataModel& model, SectionSelection& selection) : model_(model), selection_(selection) {}

void ChartSteps::Take(ChartStep step)
{
    const std::uint32_t current = selection_.GetCurrentSection();
    if (current == 0) {
        return;
    }
    std::optional<std::uint32_t> next;
    std::uint32_t cameFrom = cameFrom_;
    switch (step) {
    case ChartStep::Down: {
        const std::vector<std::uint32_t> destinations = Destinations(current);
        if (!destinations.empty()) {
            next = destinations.front();
            cameFrom = current;
        }
        break;
    }
    case ChartStep::Up:
        next = Parent(current);
        cameFrom = 0;
        break;
    case ChartStep::Left:
    case ChartStep::Right:
        next = Sibling(current, step == ChartStep::Left ? -1 : 1);
        break;
    }
    if (next && *next != current) {
        cameFrom_ = cameFrom;
        selection_.SetCurrentSection(*next);
    }
}

std::vector<std::uint32_t> ChartSteps::Destinations(std::uint32_t number) const
{
    std::vector<std::uint32_t> destinations;
    const StoryGraph& graph = model_.GetStoryGraph();
    if (!graph.HasSection(number)) {
        return destinations;
    }
    graph.VisitSectionChoices(number, false, [&](const Choice& choice) {
        if (std::find(destinations.begin(), destinations.end(), choice.destination) == destinations.end()) {
            destinations.push_back(choice.destination);
        }
    });
    return destinations;
}

std::optional<std::uint32_t> ChartSteps::Parent(std::uint32_t number) const
{
    if (cameFrom_ != 0) {
        const std::vector<std::uint32_t> destinations = Destinations(cameFrom_);
        if (std::find(destinations.begin(), destinations.end(), number) != destinations.end()) {
            return cameFrom_;
        }
    }
    std::optional<std::uint32_t> lowest;
    model_.GetStoryGraph().VisitChoices([&](const Choice& choice) {
        if (choice.destination == number && choice.source != number && (!lowest || choice.source < *lowest)) {
            lowest = choice.source;
        }
    });
    return lowest;
}

std::optional<std::uint32_t> ChartSteps::Sibling(std::uint32_t number, int direction) const
{
    if (const std::optional<std::uint32_t> parent = Parent(number)) {
        const std::vector<std::uint32_t> siblings = Destinations(*parent);
        const auto at = std::find(siblings.begin(), siblings.end(), number);
        const auto index = at - siblings.begin() + direction;
        if (at == siblings.end() || index < 0 || index >= static_cast<std::ptrdiff_t>(siblings.size())) {
            return std::nullopt;
        }
        return siblings[static_cast<std::size_t>(index)];
    }
    std::optional<std::uint32_t> before;
    std::optional<std::uint32_t> after;
    model_.GetStoryGraph().VisitSections([&](const Section& section) {
        if (section.number < number) {
            before = section.number;
        } else if (section.number > number && !after) {
            after = section.number;
        }
    });
    return direction < 0 ? before : after;
}

}  // namespace TarnViewModel
