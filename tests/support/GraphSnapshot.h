// SPDX-License-Identifier: MIT
#pragma once

#include "graph/StoryGraph.h"

#include <map>
#include <ostream>
#include <vector>

namespace TestSupport {

// Everything a StoryGraph shows through its public operations, for whole-graph comparisons.
struct GraphSnapshot {
    std::vector<TarnViewModel::Section> sections;
    std::vector<TarnViewModel::Choice> choices;
    std::map<std::uint32_t, std::vector<TarnViewModel::Uuid>> orderBySection;
    std::map<std::uint32_t, std::vector<TarnViewModel::Uuid>> incidentBySection;

    bool operator==(const GraphSnapshot&) const = default;

    static GraphSnapshot Of(const TarnViewModel::StoryGraph& graph)
    {
        GraphSnapshot snapshot;
        snapshot.sections = graph.AllSections();
        snapshot.choices = graph.AllChoices();
        for (const auto& section : snapshot.sections) {
            auto& order = snapshot.orderBySection[section.number];
            graph.VisitSectionChoices(section.number, false, [&order](const TarnViewModel::Choice& c) { order.push_back(c.id); });
            auto& incident = snapshot.incidentBySection[section.number];
            graph.VisitChoicesOfSections({section.number}, [&incident](const TarnViewModel::Choice& c) { incident.push_back(c.id); });
        }
        return snapshot;
    }
};

inline std::ostream& operator<<(std::ostream& out, const GraphSnapshot& snapshot)
{
    return out << snapshot.sections.size() << " sections, " << snapshot.choices.size() << " choices";
}

}  // namespace TestSupport
