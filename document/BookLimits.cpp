// SPDX-License-Identifier: MIT
#include "document/BookLimits.h"

#include <cmath>
#include <cstdio>

namespace TarnViewModel {

std::string Megabytes(std::uint64_t bytes)
{
    // Rounded up, so that a size over the limit never reads as the limit itself.
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::ceil(static_cast<double>(bytes) / 1e5) / 10);
    std::string megabytes = text;
    if (megabytes.size() > 2 && megabytes.compare(megabytes.size() - 2, 2, ".0") == 0) {
        megabytes.resize(megabytes.size() - 2);
    }
    return megabytes + " MB";
}

void CheckBookGrowth(std::uint64_t before, std::uint64_t after)
{
    if (after > before && after > LargestBookFile) {
        RefuseGrowthPastLimit();
    }
}

void RefuseGrowthPastLimit()
{
    throw BookLimitException(
        BRINDLE_TEXT("BookLimits", "This change would make the book take more than the %1 a book may take. Nothing was changed.")
            .Arg(Megabytes(LargestBookFile)));
}

void CheckRoomForChoice(std::uint32_t section, std::size_t count)
{
    if (count >= MostChoicesInSection) {
        throw BookLimitException(
            BRINDLE_TEXT("BookLimits", "Section %1 already has %2 choices, the most a section may have.").Arg(section).Arg(count));
    }
}

}  // namespace TarnViewModel
