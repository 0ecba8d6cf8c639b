// SPDX-License-Identifier: MIT
#pragma once

#include "document/TarnDataModel.h"
#include "graph/StoryGraph.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"

#include <filesystem>
#include <memory>
#include <string>

namespace BenchSupport {

// The records of a generated gamebook, made up front so that what is built from them is
// measured alone.
using BookRecords = SampleBooks::GeneratedBook;

inline BookRecords MakeGamebookRecords(std::uint32_t sectionCount)
{
    return SampleBooks::GenerateGamebook(sectionCount);
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

inline std::unique_ptr<TarnViewModel::TarnDataModel> MakeDocument(std::uint32_t sectionCount)
{
    return SampleBooks::MakeDocument(MakeGamebookRecords(sectionCount));
}

// A generated gamebook saved once in the temporary folder and kept for later runs.
inline std::filesystem::path SavedGamebook(std::uint32_t sectionCount)
{
    const auto path = std::filesystem::temp_directory_path() / ("brindle-generated-v" + std::to_string(SampleBooks::GeneratorVersion) +
                                                                "-" + std::to_string(sectionCount) + ".brindle");
    if (!std::filesystem::exists(path)) {
        MakeDocument(sectionCount)->Save(path.wstring());
    }
    return path;
}

}  // namespace BenchSupport
