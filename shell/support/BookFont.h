// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"
#include "drawing/QtText.h"

#include <QFont>

namespace TarnGui {

// The base font in the book's face and size; a size of 0 keeps the base's.
inline QFont WithBookFont(QFont base, const CommonLib::Font& font)
{
    base.setFamilies({Drawing::ToQString(font.faceName)});
    if (font.size > 0) {
        base.setPointSize(font.size);
    }
    return base;
}

}  // namespace TarnGui
