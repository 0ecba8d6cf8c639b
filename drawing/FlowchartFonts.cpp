// SPDX-License-Identifier: MIT
#include "drawing/FlowchartFonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace Drawing {

namespace {

// Point sizes at the layout's 96 dots per inch.
int PixelSize(int points)
{
    return (points * 96 + 36) / 72;
}

QFont ChartFont(int points, bool bold)
{
    const QString preferred = QStringLiteral("Segoe UI");
    QFont font = QFontDatabase::hasFamily(preferred) ? QFont(preferred) : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(PixelSize(points));
    font.setBold(bold);
    return font;
}

}  // namespace

FlowchartFonts FlowchartFonts::Create()
{
    FlowchartFonts fonts;
    fonts.number = ChartFont(10, true);
    fonts.label = ChartFont(9, false);
    fonts.footer = ChartFont(9, false);
    fonts.numberHeight = QFontMetricsF(fonts.number).height();
    return fonts;
}

}  // namespace Drawing
