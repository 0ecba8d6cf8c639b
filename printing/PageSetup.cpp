// SPDX-License-Identifier: MIT
#include "printing/PageSetup.h"

#include "export/ExportException.h"

#include <QSizeF>

#include <array>
#include <sstream>
#include <utility>

namespace Printing {

namespace {

const std::array<std::pair<PaperSize, const char*>, 4> Names{
    {{PaperSize::A4, "a4"}, {PaperSize::A5, "a5"}, {PaperSize::Letter, "letter"}, {PaperSize::Trade6x9, "6x9"}}};

}  // namespace

QPageSize QtPageSize(PaperSize paper)
{
    switch (paper) {
    case PaperSize::A5:
        return QPageSize(QPageSize::A5);
    case PaperSize::Letter:
        return QPageSize(QPageSize::Letter);
    case PaperSize::Trade6x9:
        return QPageSize(QSizeF(6, 9), QPageSize::Inch, QStringLiteral("6 x 9 in"));
    case PaperSize::A4:
        break;
    }
    return QPageSize(QPageSize::A4);
}

std::string PaperSizeName(PaperSize paper)
{
    for (const auto& [size, name] : Names) {
        if (size == paper) {
            return name;
        }
    }
    return Names.front().second;
}

std::optional<PaperSize> PaperSizeNamed(const std::string& name)
{
    for (const auto& [size, sizeName] : Names) {
        if (name == sizeName) {
            return size;
        }
    }
    return std::nullopt;
}

void CheckPageSetup(const PageSetup& setup)
{
    if (!(setup.margin >= PageSetup::SmallestMargin && setup.margin <= PageSetup::LargestMargin)) {
        throw TarnViewModel::ExportException(BRINDLE_TEXT("PageSetup", "The margin must be from %1 to %2 mm.")
                                                 .Arg(static_cast<long long>(PageSetup::SmallestMargin))
                                                 .Arg(static_cast<long long>(PageSetup::LargestMargin)));
    }
}

}  // namespace Printing
