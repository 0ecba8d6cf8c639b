// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

namespace TarnGui {

// The red of a message that something is wrong, dark on a light palette and light on a dark
// one, so that it reads at WCAG AA contrast on either.
QColor ErrorTextColour(const QPalette& palette);

}  // namespace TarnGui
