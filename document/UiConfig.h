// SPDX-License-Identifier: MIT
#pragma once

namespace TarnViewModel {

// The display's resolution in dots per inch.
struct UiConfig {
    double horizontalDpi = 96.0;
    double verticalDpi = 96.0;

    bool operator==(const UiConfig&) const = default;
};

}  // namespace TarnViewModel
