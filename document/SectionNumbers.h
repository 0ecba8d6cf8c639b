// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace TarnViewModel {

// Numbers asked for by an edit above the highest allowed one become the highest.
std::uint32_t CappedSectionNumber(std::uint32_t number);

// Refuses, with a TarnDataModelException, a number outside 1 to the highest allowed one.
void CheckSectionNumber(std::uint32_t number);

}  // namespace TarnViewModel
