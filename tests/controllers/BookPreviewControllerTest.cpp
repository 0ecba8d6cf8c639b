// SPDX-License-Identifier: MIT
#include "controllers/BookPreviewController.h"
#include "PreviewText.h"
#include "commands/BulkCommand.h"
#include "commands/CompositeCommand.h"
#include "commands/UpdatePropertyCommand.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace TarnViewModel;
using TestSupport::Expected;
using TestSupport::TextPreview;

struct BookPreviewControllerTest : testing::Test {
    TarnDataModel model;
    SectionSelection selection{model};
    TextPreview view;
    BookPreviewController controller{model, selection, &view};

    void ExpectInStep()
    {
        view.RunSteps();
        EXPECT_FALSE(controller.Filling());
        EXPECT_EQ(view.text, Expected(model));
        EXPECT_EQ(controller.AllText(), view.text);
    }
};

TEST_F(BookPreviewControllerTest, EditsRewriteOnlyTheirRangeAndKeepTheWholeBookInStep)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    model.CreateSection(3, L"");
    model.SetSectionText(1, L"Start");
    model.SetSectionText(3, L"End");
    model.AddChoiceTo(1, 2, L"Go", false);
    model.AddChoiceTo(1, 3, L"Secret", true);
    model.AddChoiceTo(2, 3, L"On", false);
    ExpectInStep();

    view.replacedCharacters = 0;
    model.SetSectionText(2, L"Middle\r\nof the way");
    ExpectInStep();
    EXPECT_EQ(view.replacedCharacters, std::wstring(L"2\nMiddle\nof the way\nOn, turn to 3\n").size());
    EXPECT_EQ(view.text.find(L"Secret"), std::wstring::npos);

    model.CreateSection(6, L"");
    model.AddChoiceTo(6, 1, L"Back", false);
    ExpectInStep();
    model.DeleteSectionAndChoices(3);
    ExpectInStep();
    model.Undo();
    ExpectInStep();
}

TEST_F(BookPreviewControllerTest, RenumberingSwappingShufflingAndUndoingKeepTheTextRight)
{
    model.NewBook(L"Quest", L"");
    for (std::uint32_t number = 2; number <= 12; ++number) {
        model.CreateSection(number, L"");
        model.SetSectionText(number, L"Text of " + std::to_wstring(number));
    }
    std::mt19937 random(3);
    for (int choice = 0; choice < 30; ++choice) {
        model.AddChoiceTo(1 + random() % 12, 1 + random() % 12, L"c" + std::to_wstring(choice), random() % 4 == 0);
    }
    ExpectInStep();
    model.SetSectionNumber(4, 20);
    ExpectInStep();
    model.SetSectionNumber(20, 4);
    ExpectInStep();
    model.SetSectionNumber(5, 6);
    ExpectInStep();
    model.Shuffle();
    ExpectInStep();
    model.Undo();
    ExpectInStep();
    model.SetChoiceFormat(L"{{text}} ({{destination}})");
    ExpectInStep();
    // Links and headings mark section numbers and nothing else.
    for (const auto* marks : {&view.links, &view.headings}) {
        for (const std::wstring& mark : *marks) {
            EXPECT_FALSE(mark.empty());
            EXPECT_EQ(mark.find_first_not_of(L"0123456789"), std::wstring::npos) << std::string(mark.begin(), mark.end());
        }
    }
    EXPECT_GE(view.headings.size(), 12u);
}

TEST_F(BookPreviewControllerTest, PagePerSectionShowsOnlyTheCurrentSection)
{
    model.NewBook(L"Quest", L"");
    model.CreateSection(2, L"");
    model.SetSectionText(2, L"Second");
    model.AddChoiceTo(2, 1, L"Back", false);
    model.SetNewPagePerSection(true);
    selection.SetCurrentSection(2);
    EXPECT_EQ(view.text, L"2\nSecond\nBack, turn to 1\n");
    EXPECT_EQ(view.links, std::vector<std::wstring>{L"1"});
    EXPECT_EQ(view.headings, std::vector<std::wstring>{L"2"});
    model.SetSectionText(1, L"First");
    EXPECT_EQ(view.text, L"2\nSecond\nBack, turn to 1\n");
    model.SetNewPagePerSection(false);
    ExpectInStep();
    EXPECT_EQ(view.scrolledTo, std::wstring(L"1\nFirst\n").size());
}

TEST_F(BookPreviewControllerTest, ALoadedBookIsWrittenOnce)
{
    TestSupport::TempFolder folder;
    model.NewBook(L"Quest", L"");
    model.CreateSection(4, L"");
    model.AddChoiceTo(1, 4, L"Far", false);
    model.Save(folder.WidePath("book.brindle"));
    view.appends = 0;
    model.Load(folder.WidePath("book.brindle"));
    ExpectInStep();
    EXPECT_LE(view.appends, 2u);
}

// Text edits of many sections in one step, as Replace All makes them.
std::unique_ptr<ICommand> TextEdits(TarnDataModel& model, std::uint32_t first, std::uint32_t last, const std::wstring& text)
{
    auto edits = std::make_unique<CompositeCommand>();
    for (std::uint32_t number = first; number <= last; ++number) {
        edits->Append(std::make_unique<UpdatePropertyCommand1Arg<const std::wstring&>>(
            [&model, number](const std::wstring& value) { model.SetSectionText(number, value); },
            model.GetStoryGraph().GetSection(number).text, text + std::to_wstring(number)));
    }
    return std::make_unique<BulkCommand>(model, std::move(edits));
}

TEST_F(BookPreviewControllerTest, ABigChangeInOneStepIsWrittenAfreshOnceAndASmallOneInPlace)
{
    model.NewBook(L"Bulk", L"");
    for (std::uint32_t number = 2; number <= 300; ++number) {
        model.CreateSection(number, L"");
        model.AddChoiceTo(number - 1, number, L"On", false);
    }
    ExpectInStep();

    view.appends = 0;
    auto small = TextEdits(model, 10, 20, L"Small ");
    small->Execute();
    ExpectInStep();
    EXPECT_EQ(view.appends, 0u);

    auto big = TextEdits(model, 2, 280, L"Big ");
    big->Execute();
    EXPECT_GT(view.appends, 0u);
    ExpectInStep();
    big->Undo();
    ExpectInStep();
    small->Undo();
    ExpectInStep();
}

// Every entry its own step, so that each edit below lands while the fill is part-way.
struct PreviewFillTest : testing::Test {
    TarnDataModel model;
    SectionSelection selection{model};
    TextPreview view;
    BookPreviewController controller{model, selection, &view, 1};

    void Fill()
    {
        view.RunSteps();
        EXPECT_FALSE(controller.Filling());
        EXPECT_EQ(view.text, Expected(model));
    }
};

TEST_F(PreviewFillTest, EditsDuringTheFillEndInTheWholeBook)
{
    model.NewBook(L"Quest", L"");
    for (std::uint32_t number = 2; number <= 9; ++number) {
        model.CreateSection(number, L"");
        model.SetSectionText(number, L"Text of " + std::to_wstring(number));
        model.AddChoiceTo(number - 1, number, L"On", false);
    }
    Fill();
    model.Shuffle();
    ASSERT_TRUE(controller.Filling());
    model.SetSectionText(1, L"Filled already");
    model.SetSectionText(8, L"Not filled yet");
    model.AddChoiceTo(7, 1, L"Back", false);
    model.AddChoiceTo(1, 7, L"Forward", false);
    model.DeleteSectionAndChoices(5);
    model.CreateSection(12, L"");
    model.AddChoiceTo(12, 1, L"Home", false);
    view.steps.front()();
    view.steps.erase(view.steps.begin());
    model.SetSectionNumber(9, 3);
    selection.SetCurrentSection(12);
    Fill();
    model.Undo();
    Fill();
    model.Undo();
    model.Redo();
    Fill();
}

TEST_F(PreviewFillTest, ASectionBeyondTheFillIsScrolledToWhenItArrives)
{
    model.NewBook(L"Quest", L"");
    for (std::uint32_t number = 2; number <= 6; ++number) {
        model.CreateSection(number, L"");
    }
    Fill();
    model.SetNewPagePerSection(true);
    selection.SetCurrentSection(5);
    view.scrolledTo = 0;
    model.SetNewPagePerSection(false);
    EXPECT_EQ(view.scrolledTo, 0u) << "section 5 is not in the text yet";
    Fill();
    EXPECT_EQ(view.scrolledTo, std::wstring(L"1\n2\n3\n4\n").size());
}

TEST_F(PreviewFillTest, ANewFillLeavesTheOldOnesStepsIdle)
{
    model.NewBook(L"Quest", L"");
    for (std::uint32_t number = 2; number <= 6; ++number) {
        model.CreateSection(number, L"");
        model.AddChoiceTo(number - 1, number, L"On", false);
    }
    Fill();
    model.Shuffle();
    model.Shuffle();
    Fill();
    model.Shuffle();
    model.NewBook(L"Other", L"");
    view.RunSteps();
    EXPECT_EQ(view.text, Expected(model));
}

}  // namespace
