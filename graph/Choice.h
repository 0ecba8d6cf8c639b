// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Uuid.h"

#include <cstdint>
#include <string>

namespace TarnViewModel {

struct Choice {
    Uuid id = NewId();
    std::uint32_t source = 0;
    std::uint32_t destination = 0;
    std::wstring text;
    std::int32_t order = 0;
    bool hidden = false;

    bool operator==(const Choice&) const = default;
};

}  // namespace TarnViewModel
