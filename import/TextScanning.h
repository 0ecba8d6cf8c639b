// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace Import {

// Moves the position past spaces and tabs.
inline void SkipSpaces(std::string_view line, std::size_t& position)
{
    while (position < line.size() && (line[position] == ' ' || line[position] == '\t')) {
        ++position;
    }
}

}  // namespace Import
