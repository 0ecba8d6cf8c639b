// SPDX-License-Identifier: MIT
#include "RecordingViews.h"
#include "controllers/BookPropertiesController.h"
#include "controllers/ChoicesController.h"
#include "controllers/SectionControllers.h"
#include "controllers/SectionSelection.h"
#include "document/ChoiceTemplates.h"
#include "document/TarnDataModel.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;
using Calls = std::vector<std::string>;

struct SectionControllersTest : testing::Test {
    TarnDataModel model;
    SectionSelection selection{model};
    TestSupport::RecordingSectionView editor;
    TestSupport::RecordingSectionPropertiesView properties;
    SectionDetailsController details{model, selection, &editor};
    SectionPropertiesController propertiesController{model, selection, &properties};
};

TEST_F(SectionControllersTest, AnEmptySlotShowsEmptySectionAndDisablesEditing)
{
    model.NewBook(L"Quest", L"");
    editor.Clear();
    properties.Clear();
    selection.SetCurrentSection(7);
    EXPECT_EQ(editor.Calls(), (Calls{"CommitText", "EnableEditing false", "ShowSection 7,"}));
    EXPECT_EQ(properties.Calls(), (Calls{"EnableProperties false", "ShowSectionNumber 7", "ShowSummary Empty Section"}));
}

TEST_F(SectionControllersTest, OnlyTheCurrentSectionsChangesReachThePanes)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    selection.SetCurrentSection(1);
    editor.Clear();
    properties.Clear();
    model.SetSectionText(2, L"Elsewhere");
    model.SetSectionSummary(2, L"Elsewhere");
    EXPECT_TRUE(editor.Calls().empty());
    EXPECT_TRUE(properties.Calls().empty());
    model.SetSectionText(1, L"Here");
    model.SetSectionSummary(1, L"Start");
    EXPECT_EQ(editor.Calls(), Calls{"ShowSectionText Here"});
    EXPECT_EQ(properties.Calls(), Calls{"ShowSummary Start"});

    editor.Clear();
    model.SetSectionNumber(1, 2);
    EXPECT_EQ(editor.Calls(), Calls{"ShowSectionNumber 2"});
    editor.Clear();
    model.SetMainFont(CommonLib::Font{L"Georgia", 12});
    EXPECT_TRUE(editor.Contains("ShowTextFont Georgia,12"));
}

struct ChoicesControllerTest : testing::Test {
    TarnDataModel model;
    SectionSelection selection{model};
    TestSupport::RecordingChoicesView view;
    ChoicesController controller{model, selection, &view};
};

TEST_F(ChoicesControllerTest, TheListShowsTheCurrentSectionsChoicesWithHiddenOnesMarked)
{
    model.NewBook(L"Quest", L"");
    model.SetChoiceFormat(DashFormat);
    model.CreateSection(2, L"");
    model.AddChoiceTo(1, 2, L"Go", false);
    model.AddChoiceTo(1, 2, L"Sneak", true);
    model.AddChoiceTo(2, 1, L"Back", false);
    view.Clear();
    selection.SetCurrentSection(1);
    EXPECT_EQ(view.Calls(), (Calls{"ClearChoiceRows", "EnableChoices true", "EnableMoveChoiceDown false", "EnableMoveChoiceUp false",
                                   "AddChoiceRow 0,2,Go - 2", "EnableMoveChoiceDown false", "EnableMoveChoiceUp false",
                                   "AddChoiceRow 1,2,*hidden* Sneak - 2", "EnableMoveChoiceDown false", "EnableMoveChoiceUp false"}));
    view.Clear();
    model.AddChoiceTo(2, 2, L"Loop", false);
    EXPECT_TRUE(view.Calls().empty());
}

TEST_F(ChoicesControllerTest, MoveButtonsFollowTheSelectedChoicesPlace)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    const Uuid only = model.AddChoiceTo(2, 1, L"Only", false);
    const Uuid first = model.AddChoiceTo(1, 2, L"A", false);
    const Uuid middle = model.AddChoiceTo(1, 2, L"B", false);
    const Uuid last = model.AddChoiceTo(1, 2, L"C", false);
    const auto buttons = [&](const Uuid& id) {
        view.Clear();
        controller.SetSelectedChoices({id});
        return view.Calls();
    };
    EXPECT_EQ(buttons(first), (Calls{"EnableMoveChoiceDown true", "EnableMoveChoiceUp false"}));
    EXPECT_EQ(buttons(middle), (Calls{"EnableMoveChoiceDown true", "EnableMoveChoiceUp true"}));
    EXPECT_EQ(buttons(last), (Calls{"EnableMoveChoiceDown false", "EnableMoveChoiceUp true"}));
    EXPECT_EQ(buttons(only), (Calls{"EnableMoveChoiceDown false", "EnableMoveChoiceUp false"}));
    view.Clear();
    controller.SetSelectedChoices({first, last});
    EXPECT_EQ(view.Calls(), (Calls{"EnableMoveChoiceDown false", "EnableMoveChoiceUp false"}));
}

TEST_F(ChoicesControllerTest, ChoicesAnnouncedAgainAfterRenumberingGoInAtValidRows)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    for (int index = 0; index < 5; ++index) {
        model.AddChoiceTo(1, 2, L"c" + std::to_wstring(index), false);
    }
    selection.SetCurrentSection(1);
    view.Clear();
    model.SetSectionNumber(1, 3);
    std::size_t rows = 5;
    for (const std::string& call : view.Calls()) {
        if (call.rfind("RemoveChoiceRow", 0) == 0) {
            --rows;
        } else if (call.rfind("AddChoiceRow ", 0) == 0) {
            EXPECT_LE(std::stoul(call.substr(13)), rows) << call;
            ++rows;
        }
    }
    EXPECT_EQ(rows, 5u);
}

TEST_F(ChoicesControllerTest, TheEditorOpensForANewOrAnExistingChoice)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    const Uuid id = model.AddChoiceTo(1, 2, L"Go", false);
    view.Clear();
    controller.OpenChoiceEditor(Uuid{});
    controller.OpenChoiceEditor(id);
    EXPECT_EQ(view.Calls(), (Calls{"ShowAddChoiceDialog 2,3", "ShowEditChoiceDialog 2,Go"}));
    selection.SetCurrentSection(2);
    controller.AddChoiceToSelection(L"Back", 1, true);
    EXPECT_TRUE(model.GetStoryGraph().HasChoices(2, true));
}

TEST(BookPropertiesController, ShowsTheBookAndMakesOnlyTheCustomFormatEditable)
{
    TarnDataModel model;
    SectionSelection selection{model};
    TestSupport::RecordingBookPropertiesView view;
    BookPropertiesController controller(model, &view);
    model.NewBook(L"Quest", L"The End");
    const Calls& calls = view.Calls();
    const auto cleared = std::find(calls.begin(), calls.end(), "ClearProperties");
    ASSERT_NE(cleared, calls.end());
    EXPECT_NE(std::find(cleared, calls.end(), "ShowTitle Quest"), calls.end());
    EXPECT_TRUE(view.Contains("ShowFooter The End"));
    EXPECT_TRUE(view.Contains("AddChoiceTemplateOption custom"));
    EXPECT_TRUE(view.Contains("ShowChoiceFormat turn to,{{text}}, turn to {{destination}},false"));
    view.Clear();
    model.SetChoiceFormat(L"{{text}}: {{destination}}");
    EXPECT_EQ(view.Calls(), Calls{"ShowChoiceFormat custom,{{text}}: {{destination}},true"});
    view.Clear();
    model.SetFont(CommonLib::FontType::SectionNumber, CommonLib::Font{L"Arial", 20});
    EXPECT_TRUE(view.Calls().empty());
    model.SetHeaderFont(CommonLib::Font{L"Arial", 40});
    EXPECT_EQ(view.Calls(), Calls{"ShowHeaderFont Arial,40"});
}

}  // namespace
