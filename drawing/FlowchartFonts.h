// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace Drawing {

// The flowchart's three fonts, sized in pixels so that the chart measures the same on
// the screen and in an exported image of any resolution.
struct FlowchartFonts {
    QFont number;
    QFont label;
    QFont footer;
    double numberHeight = 0;

    static FlowchartFonts Create();
};

}  // namespace Drawing
