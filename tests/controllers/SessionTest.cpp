// SPDX-License-Identifier: MIT
#include "PreviewText.h"
#include "RecordingViews.h"
#include "controllers/BookOutlineController.h"
#include "controllers/BookPreviewController.h"
#include "controllers/ChoicesController.h"
#include "controllers/FlowchartController.h"
#include "controllers/FrameworkController.h"
#include "controllers/SectionControllers.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include "commands/UpdatePropertyCommand.h"

#include <memory>

namespace {

using namespace TarnViewModel;
using Calls = std::vector<std::string>;

// The document with the controllers of the main window on recording views, driven through
// a writing session as the author would drive it.
struct SessionTest : testing::Test {
    TarnDataModel model;
    SectionSelection selection{model};
    TestSupport::RecordingFrameworkView frameworkView;
    TestSupport::RecordingFlowchartView flowchartView;
    TestSupport::RecordingOutlineView outlineView;
    TestSupport::RecordingChoicesView choicesView;
    TestSupport::RecordingSectionView sectionView;
    TestSupport::TextPreview previewView;
    FrameworkController framework{model, selection, &frameworkView};
    FlowchartController flowchart{model, selection, &flowchartView};
    BookOutlineController outline{model, selection, &outlineView};
    ChoicesController choices{model, selection, &choicesView};
    SectionDetailsController details{model, selection, &sectionView};
    BookPreviewController preview{model, selection, &previewView};

    void ClearLogs()
    {
        frameworkView.Clear();
        flowchartView.Clear();
        outlineView.Clear();
        choicesView.Clear();
        sectionView.Clear();
    }

    // The renumbering as the section properties record it.
    void Renumber(std::uint32_t from, std::uint32_t to)
    {
        auto command = std::make_unique<UpdatePropertyCommand2Args<unsigned int>>(
            [this](unsigned int a, unsigned int b) { model.SetSectionNumber(a, b); }, from, to);
        command->Execute();
        model.RecordCommand(std::move(command));
    }

    void ExpectPreviewInStep()
    {
        previewView.RunSteps();
        EXPECT_EQ(previewView.text, TestSupport::Expected(model));
    }
};

TEST_F(SessionTest, WritingRenumberingShufflingAndUndoingKeepEveryViewInStep)
{
    model.NewBook(L"Quest", L"");
    selection.SetCurrentSection(1);
    ClearLogs();

    model.AddChoiceTo(1, 2, L"Go north", false);
    EXPECT_EQ(outlineView.Calls(), (Calls{"SetOutlineEntry 2,2 - Go north,true"}));
    EXPECT_EQ(choicesView.Calls(),
              (Calls{"AddChoiceRow 0,2,Go north, turn to 2", "EnableMoveChoiceDown false", "EnableMoveChoiceUp false"}));
    EXPECT_EQ(frameworkView.Calls(), (Calls{"SetBookHasSections true", "SetUndoRedoState true,false"}));
    EXPECT_TRUE(flowchartView.Contains("AddSectionNode 2,Go north,0,70,80,50"));
    ExpectPreviewInStep();

    model.AddChoiceTo(1, 3, L"Go south", false);
    ClearLogs();

    // Renumbering onto a used number swaps the two sections; their choices come back in order.
    Renumber(3, 2);
    EXPECT_EQ(outlineView.Calls(), (Calls{"SetOutlineEntry 3,3 - Go north,true", "SetOutlineEntry 2,2 - Go south,true"}));
    EXPECT_EQ(choicesView.Calls(), (Calls{"RemoveChoiceRow", "RemoveChoiceRow", "AddChoiceRow 0,3,Go north, turn to 3",
                                          "EnableMoveChoiceDown false", "EnableMoveChoiceUp false", "AddChoiceRow 1,2,Go south, turn to 2",
                                          "EnableMoveChoiceDown false", "EnableMoveChoiceUp false"}));
    EXPECT_EQ(flowchartView.Count("BeginLayout"), 1u);
    EXPECT_TRUE(flowchartView.Contains("SwapSectionNodes 2,3"));
    ExpectPreviewInStep();

    ClearLogs();
    model.Undo();
    EXPECT_EQ(outlineView.Calls(), (Calls{"SetOutlineEntry 2,2 - Go north,true", "SetOutlineEntry 3,3 - Go south,true"}));
    EXPECT_EQ(flowchartView.Count("BeginLayout"), 1u);
    ExpectPreviewInStep();

    for (std::uint32_t number = 4; number <= 12; ++number) {
        model.AddChoiceTo(number - 2, number, L"On to " + std::to_wstring(number), number % 3 == 0);
    }
    const std::wstring beforeShuffle = previewView.text;
    ClearLogs();
    model.Shuffle();
    EXPECT_EQ(flowchartView.Count("BeginLayout"), 0u) << "the boxes only take new numbers";
    EXPECT_EQ(flowchartView.Count("RenumberSectionNodes"), 1u);
    ExpectPreviewInStep();
    model.Undo();
    ExpectPreviewInStep();
    EXPECT_EQ(previewView.text, beforeShuffle);

    while (model.CanUndo()) {
        model.Undo();
        ExpectPreviewInStep();
    }
    EXPECT_EQ(model.GetStoryGraph().SectionCount(), 1u);
}

TEST_F(SessionTest, ASavedSessionLoadsBackIntoEveryView)
{
    TestSupport::TempFolder folder;
    model.NewBook(L"Quest", L"");
    model.AddChoiceTo(1, 2, L"Go north", false);
    model.AddChoiceTo(1, 3, L"Go south", true);
    model.AddChoiceTo(3, 1, L"Back", false);
    model.Save(folder.WidePath("quest.brindle"));
    const std::wstring saved = previewView.text;
    model.NewBook(L"Other", L"");
    ClearLogs();

    model.Load(folder.WidePath("quest.brindle"));
    EXPECT_EQ(previewView.text, saved);
    ExpectPreviewInStep();
    EXPECT_EQ(flowchartView.Count("BeginLayout"), 1u);
    EXPECT_EQ(flowchartView.Count("AddSectionNode"), 3u);
    EXPECT_EQ(flowchartView.Count("AddChoiceEdge"), 3u);
    EXPECT_EQ(flowchartView.Count("SetChoicePoints route"), 3u);
    EXPECT_EQ(outlineView.Count("SetOutlineEntry"), 3u);
    EXPECT_EQ(choicesView.Count("AddChoiceRow"), 2u);
}

}  // namespace
