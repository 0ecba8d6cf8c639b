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

    bool operator==(const BookDetails&) const = default;
};

}  // namespace TarnViewModel
