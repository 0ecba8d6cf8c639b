// SPDX-License-Identifier: MIT
#include "controllers/ChartSteps.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;

// 1 leads to 2 and 3, both lead to 4, 4 leads to 7, and 6 is reached from nowhere.
class ChartStepsTest : public testing::Test {
protected:
    ChartStepsTest()
    {
        model.NewBook(L"Steps", L"");
        for (std::uint32_t number : {2u, 3u, 4u, 6u}) {
            model.CreateSection(number, L"");
        }
        model.AddChoiceTo(1, 2, L"Left", false);
        model.AddChoiceTo(1, 3, L"Right", false);
        model.AddChoiceTo(1, 2, L"Left again", false);
        model.AddChoiceTo(2, 4, L"On", false);
        model.AddChoiceTo(3, 4, L"On", true);
        model.AddChoiceTo(4, 7, L"Beyond", false);
        selection.SetCurrentSection(1);
    }
    std::uint32_t Take(ChartStep step)
    {
        steps.Take(step);
        return selection.GetCurrentSection();
    }

    TarnDataModel model;
    SectionSelection selection{model};
    ChartSteps steps{model, selection};
};

TEST_F(ChartStepsTest, DownFollowsTheFirstChoiceAndUpGoesBackTheWayItCame)
{
    EXPECT_EQ(Take(ChartStep::Up), 1u);
    EXPECT_EQ(Take(ChartStep::Down), 2u);
    EXPECT_EQ(Take(ChartStep::Right), 3u);
    // The hidden choice is a link like any other.
    EXPECT_EQ(Take(ChartStep::Down), 4u);
    EXPECT_EQ(Take(ChartStep::Up), 3u);
    EXPECT_EQ(Take(ChartStep::Up), 1u);
    selection.SetCurrentSection(4);
    EXPECT_EQ(Take(ChartStep::Down), 7u);
    EXPECT_EQ(Take(ChartStep::Up), 4u);
    // Without a way down remembered, up is the lowest-numbered section leading here.
    EXPECT_EQ(Take(ChartStep::Up), 2u);
}

TEST_F(ChartStepsTest, LeftAndRightMoveAmongTheDestinationsOfTheSectionAbove)
{
    EXPECT_EQ(Take(ChartStep::Down), 2u);
    // A destination two choices lead to is one sibling.
    EXPECT_EQ(Take(ChartStep::Right), 3u);
    EXPECT_EQ(Take(ChartStep::Right), 3u);
    EXPECT_EQ(Take(ChartStep::Left), 2u);
    EXPECT_EQ(Take(ChartStep::Left), 2u);
    // Sections nothing leads to step through the book in number order.
    selection.SetCurrentSection(6);
    EXPECT_EQ(Take(ChartStep::Left), 4u);
    selection.SetCurrentSection(6);
    EXPECT_EQ(Take(ChartStep::Right), 7u);
    selection.SetCurrentSection(1);
    EXPECT_EQ(Take(ChartStep::Right), 2u);
}

}  // namespace
