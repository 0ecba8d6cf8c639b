// SPDX-License-Identifier: MIT
#include "drawing/LaidOutFlowchart.h"

#include "drawing/FlowchartPainter.h"
#include "drawing/QtColour.h"
#include "drawing/QtText.h"
#include "flowchart/FlowchartSnapshot.h"
#include "graph/SectionLabel.h"

namespace Drawing {

FlowchartScene LaidOutFlowchart(const TarnViewModel::StoryGraph& graph, const std::wstring& footer, const FlowchartFonts& fonts)
{
    FlowchartScene scene;
    Flowchart::FlowchartSnapshot snapshot;
    // In the order the window adds them, which the layout takes into account.
    for (const TarnViewModel::Section& section : graph.AllSections()) {
        const QString label = ToQString(TarnViewModel::SectionLabel(section));
        const QSizeF measured = MeasureBox(fonts, QString::number(section.number), label);
        const auto [width, height] = Flowchart::BoxSize({measured.width(), measured.height()});
        snapshot.nodes.push_back({section.number, width, height});
        scene.AddBox(section.number, label, ToQColor(section.backgroundColour), QRectF(0, 0, width, height));
    }
    for (const TarnViewModel::Choice& choice : graph.AllChoices()) {
        snapshot.edges.push_back({choice.id, choice.source, choice.destination});
        scene.AddArrow(choice.id, {}, choice.hidden);
    }
    const Flowchart::FlowchartLayout layout = Flowchart::LayOut(snapshot);
    scene.graphWidth = layout.width;
    scene.graphHeight = layout.height;
    for (const Flowchart::NodePlacement& placement : layout.nodes) {
        scene.MoveBox(placement.number, placement.left, placement.top);
    }
    for (const Flowchart::EdgeRoute& route : layout.edges) {
        scene.SetArrowPoints(route.choiceId, ToPolygon(route.points));
    }
    scene.footer = ToQString(footer);
    return scene;
}

}  // namespace Drawing
