// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace TarnViewModel {

// Which field of a section changed.
enum class SectionProperty : std::int32_t {
    Number = 1,
    Summary = 2,
    Text = 3,
    Shiftable = 4,
    BackgroundColour = 5,
};

// Every choice update carries this one value; listeners compare the two choices.
enum class ChoiceProperty : std::int32_t {
    Any = 1,
};

enum class ChoiceUpdateReason : std::int32_t {
    ChoiceChanged = 0,  // the stored choice was replaced
    FormatChanged = 2,  // only the book's choice format, and so the printed form, changed
};

enum class ChoiceDeleteCause : std::int32_t {
    AddUndone = 0,  // its addition was undone
    Deleted = 1,    // deleted, or taken down for a moment while a section is renumbered
};

}  // namespace TarnViewModel
