// SPDX-License-Identifier: MIT
#include "controllers/FlowchartController.h"
#include "RecordingViews.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "graph/SectionLabel.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;
using Calls = std::vector<std::string>;

struct FlowchartControllerTest : testing::Test {
    TarnDataModel model;
    SectionSelection selection{model};
    TestSupport::RecordingFlowchartView view;
    FlowchartController controller{model, selection, &view};

    // The calls from the last layout pass on, BeginLayout included.
    Calls LastLayout() const
    {
        const Calls& calls = view.Calls();
        const auto begin = std::find(calls.rbegin(), calls.rend(), "BeginLayout");
        return Calls(begin == calls.rend() ? calls.end() : std::prev(begin.base()), calls.end());
    }
};

TEST(SectionLabel, SummaryFirstElseTheFirstLineOfTheTextCutToFortyCharacters)
{
    Section section;
    section.summary = L"A\r\nsummary";
    section.text = L"ignored";
    EXPECT_EQ(SectionLabel(section), L"Asummary");
    section.summary.clear();
    section.text = L"First line\r\nSecond";
    EXPECT_EQ(SectionLabel(section), L"First line");
    section.text = std::wstring(50, L'x') + L"\nmore";
    EXPECT_EQ(SectionLabel(section), std::wstring(40, L'x') + L"...");
    section.text = std::wstring(40, L'y');
    EXPECT_EQ(SectionLabel(section), std::wstring(40, L'y'));
}

TEST_F(FlowchartControllerTest, ANewSectionIsMeasuredRaisedToTheSmallestBoxAndLaidOut)
{
    model.NewBook(L"Quest", L"");
    view.Clear();
    model.CreateSection(2, L"Cave");
    EXPECT_EQ(view.Calls(),
              (Calls{"BeginUpdate", "MeasureSection 2,Cave", "AddSectionNode 2,Cave,0,70,80,50", "SetGraphSize", "BeginLayout",
                     "SetGraphSize", "SetSectionPosition 1", "SetSectionPosition 2", "EndLayout", "EndUpdate"}));
}

TEST_F(FlowchartControllerTest, ZoomStepsBetweenTenAndFourHundredPercent)
{
    view.Clear();
    controller.ZoomIn();
    EXPECT_EQ(view.Calls(), (Calls{"EnableZoomIn true", "EnableZoomOut true", "SetZoom 1.25,125%"}));
    for (int step = 0; step < 5; ++step) {
        controller.ZoomIn();
    }
    EXPECT_EQ(controller.ZoomText(), L"400%");
    controller.SetZoomPercent(5);
    EXPECT_EQ(controller.ZoomText(), L"10%");
    view.Clear();
    controller.ZoomOut();
    EXPECT_EQ(view.Calls(), (Calls{"EnableZoomIn true", "EnableZoomOut false", "SetZoom 0.1,10%"}));
    controller.SetZoomPercent(650);
    EXPECT_EQ(controller.ZoomText(), L"400%");
    // A typed zoom between the steps goes to the next step either way.
    controller.SetZoomPercent(55);
    controller.ZoomIn();
    EXPECT_EQ(controller.ZoomText(), L"60%");
    controller.SetZoomPercent(55);
    controller.ZoomOut();
    EXPECT_EQ(controller.ZoomText(), L"50%");
}

TEST_F(FlowchartControllerTest, FittingStaysBetweenTheLowestStepAndFullSize)
{
    model.NewBook(L"Quest", L"");
    // The chart is the graph with a margin of 10 units on each side.
    const int width = view.graphSize.first + 20;
    const int height = view.graphSize.second + 20;
    EXPECT_TRUE(controller.FitWholeChart(10 * width, 10 * height));
    EXPECT_EQ(controller.ZoomText(), L"100%");
    EXPECT_TRUE(controller.FitWholeChart(width / 2, 10 * height));
    EXPECT_EQ(controller.ZoomText(), std::to_wstring(100 * (width / 2) / width) + L"%");
    EXPECT_TRUE(controller.FitWholeChart(10 * width, height * 3 / 10));
    EXPECT_EQ(controller.ZoomText(), std::to_wstring(100 * (height * 3 / 10) / height) + L"%");
    EXPECT_TRUE(controller.FitWidth(width * 2 / 5));
    EXPECT_EQ(controller.ZoomText(), std::to_wstring(100 * (width * 2 / 5) / width) + L"%");

    // A chart too big for the window is shown at the lowest step, and the fit says so.
    EXPECT_FALSE(controller.FitWholeChart(0, 0));
    EXPECT_EQ(controller.ZoomText(), L"10%");
    EXPECT_FALSE(controller.FitWidth(width / 20));
    EXPECT_EQ(controller.ZoomText(), L"10%");
}

TEST_F(FlowchartControllerTest, ChoiceChangesLayOutAgainAndOnlyAHiddenChangeUpdatesTheFlag)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    const Uuid id = model.AddChoiceTo(1, 2, L"Go", false);
    view.Clear();
    model.EditChoice(id, 2, L"Go on", false);
    EXPECT_FALSE(view.Contains("SetChoiceHidden true"));
    EXPECT_EQ(view.Count("BeginLayout"), 1u);
    view.Clear();
    model.EditChoice(id, 2, L"Go on", true);
    EXPECT_TRUE(view.Contains("SetChoiceHidden true"));
    EXPECT_EQ(view.Count("BeginLayout"), 1u);
    EXPECT_EQ(view.Count("SetChoicePoints route"), 1u);

    // Deleting a choice is a structural change like any other.
    view.Clear();
    model.DeleteChoices({id});
    EXPECT_TRUE(view.Contains("RemoveChoiceEdge"));
    EXPECT_EQ(view.Count("BeginLayout"), 1u);
    EXPECT_EQ(view.Count("SetChoicePoints"), 0u);
}

TEST_F(FlowchartControllerTest, RenumberingMovesNoBox)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(3, L"");
    view.Clear();
    model.SetSectionNumber(3, 7);
    EXPECT_TRUE(view.Contains("RenumberSectionNode 3,7"));
    EXPECT_EQ(view.Count("BeginLayout"), 0u);
    view.Clear();
    model.CreateSection(4, L"");
    EXPECT_TRUE(view.Contains("SetSectionPosition 7"));
}

TEST_F(FlowchartControllerTest, AMultiStepChangeIsLaidOutOnceWhenItEnds)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    model.AddChoiceTo(1, 2, L"Go", false);
    model.AddChoiceTo(2, 1, L"Back", false);
    view.Clear();
    // The move takes both choices down and announces them again.
    model.SetSectionNumber(1, 9);
    EXPECT_EQ(view.Count("RemoveChoiceEdge"), 2u);
    EXPECT_EQ(view.Count("AddChoiceEdge"), 2u);
    EXPECT_EQ(view.Count("BeginLayout"), 1u);
    EXPECT_EQ(view.Calls().back(), "EndUpdate");
}

TEST_F(FlowchartControllerTest, LoadingAddsEverythingBeforeOneLayoutAndAFailedLoadChangesNothing)
{
    TestSupport::TempFolder folder;
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    model.AddChoiceTo(1, 2, L"Go", false);
    model.Save(folder.WidePath("book.brindle"));
    view.Clear();
    model.Load(folder.WidePath("book.brindle"));
    const Calls& calls = view.Calls();
    // Until the layout, the boxes stand in rows.
    const Calls expected{"ClearAll",          "BeginUpdate",
                         "MeasureSection 1,", "AddSectionNode 1,,0,0,80,50",
                         "MeasureSection 2,", "AddSectionNode 2,,100,0,80,50",
                         "SetGraphSize",      "AddChoiceEdge 0,false",
                         "BeginLayout",       "SetGraphSize"};
    const auto begin = std::search(calls.begin(), calls.end(), expected.begin(), expected.end());
    ASSERT_NE(begin, calls.end());
    EXPECT_EQ(view.Count("BeginLayout"), 1u);
    EXPECT_NE(std::find(begin, calls.end(), "EndUpdate"), calls.end());

    TestSupport::WriteBytes(folder.Path("bad.brindle"), "<?xml version=\"1.0\"?><book><sections><section><number>5</number></section>"
                                                        "<section><number>6</number><choices><choice><destination>x</destination></choice>"
                                                        "</choices></section></sections></book>");
    view.Clear();
    EXPECT_ANY_THROW(model.Load(folder.WidePath("bad.brindle")));
    EXPECT_TRUE(view.Calls().empty());
    // The chart still matches the open book, so the next change lays it out.
    model.CreateSection(3, L"");
    const Calls layout = LastLayout();
    EXPECT_NE(std::find(layout.begin(), layout.end(), "SetSectionPosition 3"), layout.end());
    EXPECT_NE(std::find(layout.begin(), layout.end(), "SetChoicePoints route"), layout.end());
}

}  // namespace
