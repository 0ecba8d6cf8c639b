// SPDX-License-Identifier: MIT
#pragma once

#include "graph/StoryGraph.h"

#include <initializer_list>
#include <string>

namespace TestSupport {

inline TarnViewModel::Section MakeSection(std::uint32_t number, std::wstring summary = L"")
{
    TarnViewModel::Section section;
    section.number = number;
    section.summary = std::move(summary);
    return section;
}

inline TarnViewModel::Choice MakeChoice(std::uint32_t source, std::uint32_t destination, std::int32_t order = 0, std::wstring text = L"",
                                        bool hidden = false)
{
    TarnViewModel::Choice choice;
    choice.source = source;
    choice.destination = destination;
    choice.order = order;
    choice.text = std::move(text);
    choice.hidden = hidden;
    return choice;
}

inline void AddSections(TarnViewModel::StoryGraph& graph, std::initializer_list<std::uint32_t> numbers)
{
    for (std::uint32_t number : numbers) {
        graph.AddSection(MakeSection(number));
    }
}

// Adds a choice (appended to its source) and returns it as stored.
inline TarnViewModel::Choice Link(TarnViewModel::StoryGraph& graph, std::uint32_t source, std::uint32_t destination, bool hidden = false)
{
    TarnViewModel::Choice choice = MakeChoice(source, destination, 0, L"", hidden);
    graph.AddChoice(choice);
    return graph.GetChoice(choice.id);
}

}  // namespace TestSupport
