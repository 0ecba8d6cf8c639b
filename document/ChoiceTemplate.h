// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace TarnViewModel {

// A named choice format: "{{text}}" stands for the choice text, "{{destination}}" for the
// destination number.
struct ChoiceTemplate {
    std::wstring name;
    std::wstring format;

    bool operator==(const ChoiceTemplate&) const = default;
};

}  // namespace TarnViewModel
