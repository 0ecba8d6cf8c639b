// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Uuid.h"

#include <string>

namespace TarnViewModel {

// What a publication says about the book besides its title.
struct BookDetails {
    std::wstring author;
    // A BCP 47 language tag, such as "en-GB".
    std::wstring language;
    // Made once for the book and kept through every save, so that a reader's library knows
    // a new edition of it.
    Uuid identifier{};
    // The Twine story format an imported story was written for, such as "SugarCube", and
    // its version; empty for a book begun here.
    std::wstring storyFormat;
    std::wstring storyFormatVersion;

    bool operator==(const BookDetails&) const = default;
};

}  // namespace TarnViewModel
