// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookLimits.h"
#include "document/TarnDataModel.h"

#include <string>

namespace TestSupport {

// Fills the section's text, through the document's own setter, until the book is within 100
// bytes of a kilobyte short of the largest a book may be. Lines of a thousand "<", which the
// file writes as "&lt;", fill it in few lines and few characters; empty lines, about 25 bytes
// each, fill the last few kilobytes. The first line stays empty, so labels show nothing.
inline void FillToNearlyFull(TarnViewModel::TarnDataModel& model, std::uint32_t number)
{
    const std::wstring wide = L"\r\n" + std::wstring(1000, L'<');
    std::wstring text = model.GetStoryGraph().GetSection(number).text;
    for (;;) {
        const std::uint64_t target = TarnViewModel::LargestBookFile - 1000;
        const std::uint64_t size = model.FileSize();
        if (size + 100 >= target) {
            return;
        }
        const std::uint64_t left = target - size;
        // No line costs more than 4,030 bytes, or 26 when empty, while there are fewer than
        // ten million.
        if (left > 10'000) {
            for (std::uint64_t line = left / 4030; line > 0; --line) {
                text += wide;
            }
        } else {
            for (std::uint64_t line = left / 26; line > 0; --line) {
                text += L"\r\n";
            }
        }
        model.SetSectionText(number, text);
    }
}

}  // namespace TestSupport
