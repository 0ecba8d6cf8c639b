// SPDX-License-Identifier: MIT
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace TarnGui;

// The chart pane of a fixed size holding two boxes side by side with a gap between them.
struct FlowchartWindowTest : testing::Test {
    TarnViewModel::TarnDataModel model;
    TarnViewModel::SectionSelection selection{model};
    CFlowchartPane pane{model, selection, nullptr};
    CFlowchart& chart = *pane.Chart();
    std::vector<std::uint32_t> selected;

    void SetUp() override
    {
        pane.resize(400, 340);
        chart.SetSelectHandler([this](std::uint32_t number) { selected.push_back(number); });
        pane.AddSectionNode(1, L"Gate", {0, 0, 128}, 0, 0, 80, 50);
        pane.AddSectionNode(2, L"Wall", {255, 255, 0}, 120, 0, 80, 50);
        pane.SetGraphSize(200, 50);
        pane.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    }
    void ClickAt(int x, int y) { QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, QPoint(x, y)); }
};

TEST(FlowchartPainterTest, TextIsWhiteOnDarkFillsAndBlackOnLightOnes)
{
    EXPECT_EQ(Drawing::TextColourFor(QColor(0, 0, 128)), QColor(Qt::white));
    EXPECT_EQ(Drawing::TextColourFor(QColor(255, 255, 0)), QColor(Qt::black));
    EXPECT_EQ(Drawing::TextColourFor(QColor(255, 255, 255)), QColor(Qt::black));
}

TEST(FlowchartPainterTest, TheScaleIsTheZoomInWholePercentages)
{
    for (int percent = 1; percent <= 100; ++percent) {
        EXPECT_DOUBLE_EQ(Drawing::ChartScale(percent / 100.0), percent / 100.0) << percent;
    }
    EXPECT_DOUBLE_EQ(Drawing::ChartScale(0.555), 0.55);
}

TEST(FlowchartPainterTest, AVerticalArrowRepaintsAsWideAsItsArrowhead)
{
    Drawing::FlowchartArrow arrow;
    arrow.points << QPointF(100, 0) << QPointF(100, 40) << QPointF(100, 80) << QPointF(100, 120) << QPointF(100, 130);
    arrow.bounds = Drawing::PointBounds(arrow.points);
    ASSERT_EQ(arrow.bounds.width(), 0);
    const QRectF area = Drawing::ArrowPaintArea(arrow);
    EXPECT_LE(area.left(), 100 - 6 - 3);
    EXPECT_GE(area.right(), 100 + 6 + 3);
    EXPECT_LE(area.top(), -3);
    EXPECT_GE(area.bottom(), 133);
}

TEST_F(FlowchartWindowTest, ClickingSelectsTheBoxWithinOneUnitOfItsEdge)
{
    // Box 1 spans 0 to 80 in document units, which the window shows from 10 on.
    ClickAt(10 - 1, 20);
    ClickAt(10 + 100, 20);
    ClickAt(10 + 130, 20);
    EXPECT_EQ(selected, std::vector<std::uint32_t>({1, 2}));
    EXPECT_EQ(chart.BoxAt(QPoint(10 - 2, 20)), std::nullopt);
    EXPECT_EQ(chart.BoxAt(QPoint(10 + 80, 20)), 1u);
    EXPECT_EQ(chart.BoxAt(QPoint(10 + 81, 20)), std::nullopt);
}

TEST_F(FlowchartWindowTest, ScrollRangeFollowsZoomAndDisappearsWhenCleared)
{
    pane.SetGraphSize(1000, 2000);
    chart.SetZoom(0.5);
    EXPECT_EQ(chart.HorizontalRange(), 510);
    EXPECT_EQ(chart.horizontalScrollBar()->maximum(), 510 - chart.viewport()->width());
    QApplication::processEvents();
    EXPECT_TRUE(chart.verticalScrollBar()->isVisibleTo(&chart));
    pane.ClearAll();
    QApplication::processEvents();
    EXPECT_EQ(chart.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(chart.verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(chart.verticalScrollBar()->isVisibleTo(&chart));
    EXPECT_FALSE(chart.horizontalScrollBar()->isVisibleTo(&chart));
}

TEST_F(FlowchartWindowTest, KeysAndTheWheelScrollWithinTheRange)
{
    pane.SetGraphSize(200, 3000);
    QScrollBar* bar = chart.verticalScrollBar();
    QTest::keyClick(&chart, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(&chart, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(&chart, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    // The arrows walk the choices; with Ctrl they scroll.
    QTest::keyClick(&chart, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 10);
    QWheelEvent down(QPointF(50, 50), chart.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart.viewport(), &down);
    EXPECT_EQ(bar->value(), 20);
    // Zooming out shrinks the range; the position stays inside it.
    QTest::keyClick(&chart, Qt::Key_End);
    chart.SetZoom(0.1);
    EXPECT_LE(bar->value(), bar->maximum());
}

TEST_F(FlowchartWindowTest, SelectingABoxOutOfSightCentresItWithinTheRange)
{
    pane.AddSectionNode(3, L"Tower", {255, 255, 255}, 0, 2950, 80, 50);
    pane.SetGraphSize(200, 3000);
    pane.SelectSectionNode(3);
    QScrollBar* bar = chart.verticalScrollBar();
    // The box's centre would go to the middle of the window, but the range ends first.
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(chart.Scene().boxes.at(3).selected);
    pane.ClearSelection();
    EXPECT_FALSE(chart.Scene().boxes.at(3).selected);
}

TEST_F(FlowchartWindowTest, PaintsBoxesInTheirFillsOnGrey)
{
    const QImage shown = chart.viewport()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(300, 250), QColor(200, 200, 200));
    // Low in each box, below its text.
    EXPECT_EQ(shown.pixelColor(10 + 10, 10 + 45), QColor(0, 0, 128));
    EXPECT_EQ(shown.pixelColor(10 + 130, 10 + 45), QColor(255, 255, 0));
    // The outline.
    EXPECT_EQ(shown.pixelColor(10 + 40, 10), QColor(Qt::black));
}

TEST_F(FlowchartWindowTest, ZoomingOutAndBackKeepsTheSelectedBoxWhereItWas)
{
    // A chart much bigger than the window, with the selected box far from its corner.
    pane.AddSectionNode(3, L"Tower", {255, 255, 255}, 2400, 1800, 80, 50);
    pane.SetGraphSize(5000, 4000);
    pane.SelectSectionNode(3);
    const QRect before = chart.ToWindow(chart.Scene().boxes.at(3).rect);
    ASSERT_TRUE(chart.viewport()->rect().contains(before));
    const auto inSight = [&] { return chart.viewport()->rect().contains(chart.ToWindow(chart.Scene().boxes.at(3).rect).center()); };
    for (const double zoom : {0.5, 0.1, 0.5, 1.0}) {
        chart.SetZoom(zoom);
        EXPECT_TRUE(inSight()) << zoom;
    }
    const QRect after = chart.ToWindow(chart.Scene().boxes.at(3).rect);
    EXPECT_LE((after.center() - before.center()).manhattanLength(), 2);

    // Where the whole chart fits the window it cannot scroll, and the box stays where the
    // chart puts it.
    for (const double zoom : {0.03, 1.0}) {
        chart.SetZoom(zoom);
        EXPECT_TRUE(inSight()) << zoom;
    }
}

TEST_F(FlowchartWindowTest, TheSelectedBoxIsRingedAtScreenScaleAtEveryZoom)
{
    const QColor ring = chart.palette().color(QPalette::Highlight);
    const auto ringed = [&] {
        const QImage shown = chart.viewport()->grab().toImage();
        const QRect box = chart.ToWindow(chart.Scene().boxes.at(2).rect);
        // Half way down the box's left side, a few pixels out.
        return shown.pixelColor(box.left() - 3, box.center().y()) == ring;
    };
    EXPECT_FALSE(ringed());
    pane.SelectSectionNode(2);
    EXPECT_TRUE(ringed());
    chart.SetZoom(0.1);
    EXPECT_TRUE(ringed());
    pane.ClearSelection();
    EXPECT_FALSE(ringed());
}

TEST_F(FlowchartWindowTest, RenumberingAndSwappingKeepEachBoxInPlace)
{
    pane.SwapSectionNodes(1, 2);
    EXPECT_EQ(chart.Scene().boxes.at(1).label, "Wall");
    EXPECT_EQ(chart.Scene().boxes.at(1).rect.left(), 120);
    EXPECT_EQ(chart.Scene().boxes.at(1).numberText, "1");
    pane.RenumberSectionNode(2, 7);
    EXPECT_EQ(chart.Scene().boxes.count(2), 0u);
    EXPECT_EQ(chart.Scene().boxes.at(7).label, "Gate");
    EXPECT_EQ(chart.Scene().boxes.at(7).numberText, "7");
}

}  // namespace
