// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Uuid.h"

#include <boost/container/flat_map.hpp>

#include <cstdint>
#include <vector>

namespace TarnViewModel {

// A complete or partial assignment of section numbers, keyed by section id. Kept in one
// block, as whole-book numberings are made, looked up and stored for undo in one go.
using Numbering = boost::container::flat_map<Uuid, std::uint32_t>;

// A section that moves from one number to another.
struct NumberChange {
    std::uint32_t from = 0;
    std::uint32_t to = 0;
};

// The sections whose numbers change in one renumbering, in ascending order of their old numbers.
using NumberChanges = std::vector<NumberChange>;

}  // namespace TarnViewModel
