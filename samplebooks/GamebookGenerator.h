// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Choice.h"
#include "graph/Section.h"

#include <cstdint>
#include <vector>

namespace SampleBooks {

// The sections and choices of a generated book, in the order a load would add them.
struct GeneratedBook {
    std::vector<TarnViewModel::Section> sections;
    std::vector<TarnViewModel::Choice> choices;
};

// The sections of one generated book; longer books chain several.
inline constexpr std::uint32_t SectionsPerVolume = 400;
// Changes whenever the same size and seed give another book, so that saved copies are not
// taken for the new ones.
inline constexpr unsigned GeneratorVersion = 2;

// A book shaped like a published gamebook, from figures measured on 37 of them:
// - 1.57 choices a section: none 4.4 %, one 48 %, two 36.5 %, three 8.8 %, more 2.1 %;
// - of the choices, 74 % lead one step deeper from section 1, 14 % to the same depth and
//   12 % back, and 21 % have no text;
// - section texts of median 94 and mean 121 words, up to about 1,400; choices of median 7;
// - numbers shuffled, section 1 the start.
// Books longer than a volume chain volumes, the last section of each leading to the first
// of the next. The same size and seed always give the same book.
GeneratedBook GenerateGamebook(std::uint32_t sectionCount, unsigned seed = 1);

}  // namespace SampleBooks
