#pragma once

#include "document/TarnDataModel.h"
#include "graph/StoryGraph.h"

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace BenchSupport {

// The records of a book of `sections` sections joined by `choices` choices, made up front
// so that building the graph from them is measured alone.
struct BookRecords {
    std::vector<TarnViewModel::Section> sections;
    std::vector<TarnViewModel::Choice> choices;
};

inline BookRecords MakeBookRecords(std::uint32_t sectionCount, std::uint32_t choiceCount, unsigned seed = 1)
{
    BookRecords book;
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::uint32_t> anySection(1, sectionCount);
    for (std::uint32_t n = 1; n <= sectionCount; ++n) {
        TarnViewModel::Section section;
        section.number = n;
        section.summary = L"Section summary";
        section.text = L"You walk along the corridor and hear a noise behind the door.";
        book.sections.push_back(section);
    }
    for (std::uint32_t i = 0; i < choiceCount; ++i) {
        TarnViewModel::Choice choice;
        choice.source = anySection(random);
        choice.destination = anySection(random);
        choice.text = L"Open the door";
        book.choices.push_back(choice);
    }
    return book;
}

// A book shaped like a real gamebook: most choices lead a few sections further on, a few
// lead back, so the flowchart is a long layered chart rather than a random tangle.
inline BookRecords MakeGamebookRecords(std::uint32_t sectionCount, std::uint32_t choiceCount, unsigned seed = 1)
{
    BookRecords book = MakeBookRecords(sectionCount, 0, seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::uint32_t> anySection(1, sectionCount);
    std::uniform_int_distribution<std::uint32_t> step(1, 12);
    std::uniform_int_distribution<int> percent(0, 99);
    for (std::uint32_t i = 0; i < choiceCount; ++i) {
        TarnViewModel::Choice choice;
        choice.source = i < sectionCount ? i + 1 : anySection(random);
        const std::uint32_t back = choice.source > 12 ? choice.source - step(random) : 1;
        const std::uint32_t forward = std::min(sectionCount, choice.source + step(random));
        choice.destination = percent(random) < 5 ? back : forward;
        choice.text = L"Open the door";
        book.choices.push_back(choice);
    }
    return book;
}

inline TarnViewModel::StoryGraph BuildGraph(const BookRecords& book)
{
    TarnViewModel::StoryGraph graph;
    for (const auto& section : book.sections) {
        graph.AddSection(section);
    }
    for (const auto& choice : book.choices) {
        graph.AddChoice(choice);
    }
    return graph;
}

// A document filled through its structural operations, as a load would.
inline std::unique_ptr<TarnViewModel::TarnDataModel> MakeDocument(const BookRecords& records)
{
    auto model = std::make_unique<TarnViewModel::TarnDataModel>();
    model->NewBook(L"Untitled", L"");
    for (const auto& section : records.sections) {
        if (section.number != 1) {
            model->AddSection(section);
        }
    }
    for (const auto& choice : records.choices) {
        model->AddChoice(choice);
    }
    return model;
}

inline std::unique_ptr<TarnViewModel::TarnDataModel> MakeDocument(std::uint32_t sectionCount, std::uint32_t choiceCount)
{
    return MakeDocument(MakeBookRecords(sectionCount, choiceCount));
}

}  // namespace BenchSupport
