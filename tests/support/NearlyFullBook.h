#pragma once

#include "document/BookLimits.h"
#include "document/TarnDataModel.h"

#include <string>

namespace TestSupport {

// Fills the section's text with line breaks, through the document's own setter, until the
// book is within 100 bytes of a kilobyte short of the largest a book may be. Each empty line
// is a paragraph of about 25 bytes in the file, and costs the test only two characters.
inline void FillToNearlyFull(TarnViewModel::TarnDataModel& model, std::uint32_t number)
{
    std::wstring text = model.GetStoryGraph().GetSection(number).text;
    for (;;) {
        const std::uint64_t target = TarnViewModel::LargestBookFile - 1000;
        const std::uint64_t size = model.FileSize();
        if (size + 100 >= target) {
            return;
        }
        // No line costs more than 26 bytes while there are fewer than ten million.
        for (std::uint64_t line = (target - size) / 26; line > 0; --line) {
            text += L"\r\n";
        }
        model.SetSectionText(number, text);
    }
}

}  // namespace TestSupport
