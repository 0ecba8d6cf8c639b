// SPDX-License-Identifier: MIT
#pragma once

#include <QPageSize>

#include <optional>
#include <string>

namespace Printing {

// The paper sizes a gamebook is printed on: the office sizes and the trade paperback's.
enum class PaperSize { A4, A5, Letter, Trade6x9 };

struct PageSetup {
    static constexpr double SmallestMargin = 5;
    static constexpr double LargestMargin = 40;

    PaperSize paper = PaperSize::A4;
    // The same on every side, in millimetres.
    double margin = 20;
};

QPageSize QtPageSize(PaperSize paper);

// The size's name on the command line and in the settings: "a4", "a5", "letter" or "6x9".
std::string PaperSizeName(PaperSize paper);
std::optional<PaperSize> PaperSizeNamed(const std::string& name);

// Throws ExportException when the margin is outside the range a page can take.
void CheckPageSetup(const PageSetup& setup);

}  // namespace Printing
