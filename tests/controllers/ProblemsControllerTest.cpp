// SPDX-License-Identifier: MIT
#include "controllers/ProblemsController.h"
#include "DeferredSteps.h"
#include "analysis/BookCheck.h"
#include "document/TarnDataModel.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace TarnViewModel;

struct ProblemsView : IProblemsView, TestSupport::DeferredSteps {
    void ShowProblems(const std::vector<ProblemRow>& shown) override
    {
        rows = shown;
        ++checks;
    }
    void RunSoon(std::function<void()> step) override { steps.push_back(std::move(step)); }

    std::vector<ProblemRow> rows;
    int checks = 0;
};

class ProblemsControllerTest : public testing::Test {
protected:
    void SetUp() override
    {
        model.NewBook(L"Problems", L"");
        model.SetSectionText(1, L"Start.");
        view.RunSteps();
    }
    std::vector<std::wstring> Texts()
    {
        view.RunSteps();
        std::vector<std::wstring> texts;
        for (const ProblemRow& row : view.rows) {
            texts.push_back(row.text);
        }
        return texts;
    }

    TarnDataModel model;
    ProblemsView view;
    ProblemsController controller{model, &view};
};

TEST_F(ProblemsControllerTest, EditsThatMakeAndMendEachProblemShowInTheList)
{
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Section 1 is an ending: confirm that it should be"}));

    model.CreateSection(3, L"");
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"No path from section 1 reaches section 3", L"Section 2 is an empty slot",
                                                  L"Section 3 has no text", L"Section 1 is an ending: confirm that it should be",
                                                  L"Section 3 is an ending: confirm that it should be"}));
    model.SetSectionText(3, L"The end.");
    model.AddChoiceTo(1, 3, L"Go", false);
    model.AddChoiceTo(1, 3, L"Go on", false);
    // A choice to the empty slot fills it with a new section.
    model.AddChoiceTo(3, 2, L"Back", true);
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Section 2 has no text", L"Section 1 has 2 choices to section 3",
                                                  L"Section 2 is an ending: confirm that it should be"}));
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.rows[1].section, 1u);
    EXPECT_EQ(view.rows[1].kind, ProblemKind::RepeatedChoice);

    // Undoing back to where the list began mends everything but the first ending.
    while (model.CanUndo()) {
        model.Undo();
    }
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Section 1 is an ending: confirm that it should be"}));
}

// A book read from a file can hold choices to numbers without a section.
TEST(ProblemRows, ChoicesToEmptySlotsNameBothEnds)
{
    Analysis::CheckReport report;
    report.choicesToEmptySlots = {{5, 7, 2}, {6, 7, 1}};
    const std::vector<ProblemRow> rows = ProblemsController::RowsOf(report);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (ProblemRow{ProblemKind::ChoiceToEmptySlot, 5, L"Section 5 has 2 choices to the empty slot 7"}));
    EXPECT_EQ(rows[1].text, L"Section 6 has 1 choice to the empty slot 7");
}

TEST_F(ProblemsControllerTest, ManyEditsBeforeTheNextTurnAreCheckedOnce)
{
    const int before = view.checks;
    for (std::uint32_t number = 2; number <= 20; ++number) {
        model.CreateSection(number, L"");
    }
    model.Shuffle();
    view.RunSteps();
    EXPECT_EQ(view.checks, before + 1);
}

TEST_F(ProblemsControllerTest, WritingInASectionChangesOnlyItsOwnRowAndOtherPropertiesNothing)
{
    model.CreateSection(2, L"");
    model.AddChoiceTo(1, 2, L"On", false);
    model.SetSectionText(2, L"Two.");
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Section 2 is an ending: confirm that it should be"}));
    const int checks = view.checks;

    model.SetSectionSummary(2, L"The hall");
    model.SetSectionBackgroundColour(2, {10, 20, 30});
    view.RunSteps();
    EXPECT_EQ(view.checks, checks);

    model.SetSectionText(1, L" \r\n ");
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Section 1 has no text", L"Section 2 is an ending: confirm that it should be"}));
    model.SetSectionText(1, L"Back.");
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Section 2 is an ending: confirm that it should be"}));
    // A renumbering is checked whole again.
    model.SetSectionNumber(2, 5);
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Section 2 is an empty slot", L"Section 3 is an empty slot",
                                                  L"Section 4 is an empty slot", L"Section 5 is an ending: confirm that it should be"}));
}

TEST_F(ProblemsControllerTest, AHiddenListIsCheckedOnlyOnceItShows)
{
    controller.SetShown(false);
    const int before = view.checks;
    model.CreateSection(2, L"");
    model.SetSectionText(2, L"Two.");
    view.RunSteps();
    EXPECT_EQ(view.checks, before);
    controller.SetShown(true);
    EXPECT_EQ(Texts().front(), L"No path from section 1 reaches section 2");
    EXPECT_EQ(view.checks, before + 1);
    controller.SetShown(false);
    controller.SetShown(true);
    view.RunSteps();
    EXPECT_EQ(view.checks, before + 1);
}

TEST(ProblemsControllerLifetime, ACheckStillWaitingWhenTheControllerGoesDoesNothing)
{
    TarnDataModel model;
    ProblemsView view;
    {
        ProblemsController controller(model, &view);
        model.NewBook(L"Gone", L"");
    }
    view.RunSteps();
    EXPECT_EQ(view.checks, 0);
}

}  // namespace
