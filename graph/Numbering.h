#pragma once

#include "graph/Uuid.h"

#include <cstdint>
#include <map>

namespace TarnViewModel {

// A complete or partial assignment of section numbers, keyed by section id.
using Numbering = std::map<Uuid, std::uint32_t>;

}  // namespace TarnViewModel
