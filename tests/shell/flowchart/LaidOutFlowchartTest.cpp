// SPDX-License-Identifier: MIT
#include "drawing/LaidOutFlowchart.h"
#include "controllers/FlowchartController.h"
#include "controllers/SectionSelection.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "shell/flowchart/FlowchartSceneView.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Drawing::FlowchartScene;

void ExpectSameChart(const FlowchartScene& drawn, const FlowchartScene& shown)
{
    EXPECT_EQ(drawn.graphWidth, shown.graphWidth);
    EXPECT_EQ(drawn.graphHeight, shown.graphHeight);
    EXPECT_EQ(drawn.footer, shown.footer);
    ASSERT_EQ(drawn.boxes.size(), shown.boxes.size());
    for (const auto& [number, box] : shown.boxes) {
        const Drawing::FlowchartBox* same = drawn.Box(number);
        ASSERT_NE(same, nullptr) << number;
        EXPECT_EQ(same->numberText, box.numberText);
        EXPECT_EQ(same->label, box.label) << number;
        EXPECT_EQ(same->rect, box.rect) << number;
        EXPECT_EQ(same->fill, box.fill) << number;
    }
    ASSERT_EQ(drawn.arrows.size(), shown.arrows.size());
    for (const auto& [id, arrow] : shown.arrows) {
        const Drawing::FlowchartArrow* same = drawn.Arrow(id);
        ASSERT_NE(same, nullptr);
        EXPECT_EQ(same->points, arrow.points);
        EXPECT_EQ(same->hidden, arrow.hidden);
    }
}

}  // namespace

// The command line draws the chart without the window's controllers; it must still be the
// chart the author sees once a book is open and laid out.
TEST(LaidOutFlowchart, IsTheChartTheWindowShowsOnceTheBookIsOpenAndLaidOut)
{
    TestSupport::TempFolder folder;
    const std::wstring path = folder.Path("book.brindle").wstring();
    {
        const auto generated = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400));
        generated->SetFooter(L"The end of the quest");
        generated->Save(path);
    }
    TarnViewModel::TarnDataModel model;
    TarnViewModel::SectionSelection selection(model);
    TarnGui::FlowchartSceneView window;
    TarnViewModel::FlowchartController controller(model, selection, &window);
    model.Load(path);
    ASSERT_TRUE(controller.LayoutError().empty()) << controller.LayoutError();

    ExpectSameChart(Drawing::LaidOutFlowchart(model.GetStoryGraph(), model.GetFooter(), window.Fonts()), window.Scene());
}
