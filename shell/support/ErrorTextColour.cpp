// SPDX-License-Identifier: MIT
#include "shell/support/ErrorTextColour.h"

namespace TarnGui {

QColor ErrorTextColour(const QPalette& palette)
{
    const bool dark = palette.color(QPalette::Window).lightnessF() < 0.5;
    return dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xc0, 0x1c, 0x28);
}

}  // namespace TarnGui
