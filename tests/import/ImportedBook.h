// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookFileContents.h"
#include "export/ExportText.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace TestSupport {

struct ImportedChoice {
    std::uint32_t destination = 0;
    std::wstring text;
    bool hidden = false;

    bool operator==(const ImportedChoice&) const = default;
};

// A section as an import must give it: what Twine can carry, choices in order.
struct ImportedSection {
    std::uint32_t number = 0;
    std::wstring text;
    std::wstring summary;
    std::vector<ImportedChoice> choices;

    bool operator==(const ImportedSection&) const = default;
};

inline std::vector<ImportedSection> SectionsOf(const TarnViewModel::StoryGraph& graph)
{
    std::vector<ImportedSection> sections;
    graph.VisitSections([&](const TarnViewModel::Section& section) {
        ImportedSection imported{section.number, section.text, section.summary, {}};
        graph.VisitSectionChoices(section.number, false, [&](const TarnViewModel::Choice& choice) {
            imported.choices.push_back({choice.destination, choice.text, choice.hidden});
        });
        sections.push_back(std::move(imported));
    });
    return sections;
}

inline std::ostream& operator<<(std::ostream& out, const ImportedChoice& choice)
{
    return out << "->" << choice.destination << (choice.hidden ? " hidden" : "") << " \"" << TarnViewModel::Utf8(choice.text) << "\"";
}

inline std::ostream& operator<<(std::ostream& out, const ImportedSection& section)
{
    out << "section " << section.number << " \"" << TarnViewModel::Utf8(section.text) << "\" [";
    for (const ImportedChoice& choice : section.choices) {
        out << choice << "; ";
    }
    return out << "]";
}

}  // namespace TestSupport
