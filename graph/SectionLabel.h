// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Section.h"

#include <string>

namespace TarnViewModel {

// The short text that names a section in the flowchart, the outline and the choices list:
// its summary without line breaks, or else the first line of its text, cut to 40
// characters and "..." when longer.
std::wstring SectionLabel(const Section& section);

}  // namespace TarnViewModel
