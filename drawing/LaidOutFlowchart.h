// SPDX-License-Identifier: MIT
#pragma once

#include "drawing/FlowchartFonts.h"
#include "drawing/FlowchartScene.h"
#include "graph/StoryGraph.h"

#include <string>

namespace Drawing {

// The whole book's flowchart laid out at once, box for box and arrow for arrow as the
// window shows it once the book is open and laid out. Throws FlowchartLayoutException when
// Graphviz cannot lay it out.
FlowchartScene LaidOutFlowchart(const TarnViewModel::StoryGraph& graph, const std::wstring& footer, const FlowchartFonts& fonts);

}  // namespace Drawing
