#pragma once

#include "graph/Uuid.h"

#include <cstdint>
#include <map>
#include <vector>

namespace TarnViewModel {

// A complete or partial assignment of section numbers, keyed by section id.
using Numbering = std::map<Uuid, std::uint32_t>;

// A section that moves from one number to another.
struct NumberChange {
    std::uint32_t from = 0;
    std::uint32_t to = 0;
};

// The sections whose numbers change in one renumbering, in ascending order of their old numbers.
using NumberChanges = std::vector<NumberChange>;

}  // namespace TarnViewModel
