// SPDX-License-Identifier: MIT
#pragma once

#include "graph/RGBColour.h"

#include <QColor>

namespace Drawing {

inline QColor ToQColor(const CommonLib::ColourUtilities::RGBColour& colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

inline CommonLib::ColourUtilities::RGBColour ToRGBColour(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()), static_cast<std::uint8_t>(colour.blue())};
}

}  // namespace Drawing
