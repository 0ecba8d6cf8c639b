// SPDX-License-Identifier: MIT
#include "analysis/BookCheck.h"
#include "document/TarnDataModel.h"

#include <gtest/gtest.h>

namespace {

using Analysis::CheckBook;
using Analysis::ChoiceLink;

// Section 1 leads to 2 and twice to 4; 5 is cut off; 3 is an empty slot; 2 has no text.
class BookCheckTest : public testing::Test {
protected:
    void SetUp() override
    {
        book_.NewBook(L"Check", L"");
        book_.SetSectionText(1, L"Start.");
        book_.CreateSection(2, L"");
        book_.CreateSection(4, L"");
        book_.SetSectionText(4, L"The end.");
        book_.CreateSection(5, L"");
        book_.SetSectionText(5, L"Nobody comes here.");
        book_.AddChoiceTo(1, 2, L"left", false);
        book_.AddChoiceTo(1, 4, L"right", false);
        book_.AddChoiceTo(1, 4, L"also right", true);
        book_.AddChoiceTo(5, 1, L"back", false);
    }
    TarnViewModel::TarnDataModel book_;
};

TEST_F(BookCheckTest, FindsEveryKindOfProblem)
{
    const auto report = CheckBook(*book_.Snapshot());
    EXPECT_EQ(report.unreachable, (std::vector<std::uint32_t>{5}));
    EXPECT_EQ(report.emptySlots, (std::vector<std::uint32_t>{3}));
    EXPECT_EQ(report.emptyText, (std::vector<std::uint32_t>{2}));
    EXPECT_EQ(report.duplicateChoices, (std::vector<ChoiceLink>{{1, 4, 2}}));
    EXPECT_TRUE(report.choicesToEmptySlots.empty());
    EXPECT_EQ(report.endings, (std::vector<std::uint32_t>{2, 4}));
    EXPECT_TRUE(report.HasProblems());
}

TEST(BookCheck, EndingsAloneAreNoProblem)
{
    TarnViewModel::TarnDataModel book;
    book.NewBook(L"", L"");
    book.SetSectionText(1, L"Start.");
    for (const std::uint32_t number : {2U, 3U}) {
        book.CreateSection(number, L"");
        book.SetSectionText(number, L"An end.");
        book.AddChoiceTo(1, number, L"go", false);
    }
    const auto report = CheckBook(*book.Snapshot());
    EXPECT_FALSE(report.HasProblems());
    EXPECT_EQ(report.endings, (std::vector<std::uint32_t>{2, 3}));
}

TEST(BookCheck, ABookWithoutSectionOneReachesNothing)
{
    TarnViewModel::TarnDataModel book;
    book.NewBook(L"", L"");
    book.CreateSection(2, L"");
    book.SetSectionNumber(1, 3);
    const auto report = CheckBook(*book.Snapshot());
    EXPECT_EQ(report.unreachable, (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(report.emptySlots, (std::vector<std::uint32_t>{1}));
}

}  // namespace
