// SPDX-License-Identifier: MIT
#include "analysis/BookStats.h"
#include "document/TarnDataModel.h"

#include <gtest/gtest.h>

namespace {

using Analysis::CountBook;

// 1 -> 2 -> 3 -> 6 (ending), 1 -> 4 -> 6, 1 -> 5 (ending); 3 also has a hidden way to 6.
class BookStatsTest : public testing::Test {
protected:
    void SetUp() override
    {
        book_.NewBook(L"Stats", L"");
        book_.SetSectionText(1, L"You wake  up.\r\nThe room is\tdark.");
        for (std::uint32_t number = 2; number <= 6; ++number) {
            book_.CreateSection(number, L"");
        }
        book_.AddChoiceTo(1, 2, L"open the door", false);
        book_.AddChoiceTo(1, 4, L"wait", false);
        book_.AddChoiceTo(1, 5, L"sleep", false);
        book_.AddChoiceTo(2, 3, L"", false);
        book_.AddChoiceTo(3, 6, L"", false);
        book_.AddChoiceTo(3, 6, L"secret", true);
        book_.AddChoiceTo(4, 6, L"", false);
    }
    TarnViewModel::TarnDataModel book_;
};

TEST_F(BookStatsTest, CountsAndPathsOfABookWithoutLoops)
{
    const auto stats = CountBook(*book_.Snapshot());
    EXPECT_EQ(stats.sections, 6U);
    EXPECT_EQ(stats.choices, 7U);
    EXPECT_EQ(stats.hiddenChoices, 1U);
    EXPECT_EQ(stats.words, 7U + 3U + 1U + 1U + 1U);
    EXPECT_EQ(stats.shortestPath, 1U);
    EXPECT_EQ(stats.longestPath, 3U);
    EXPECT_FALSE(stats.loopsIgnored);
    EXPECT_EQ(stats.endings, 2U);
    // An ending that no path reaches is still one.
    book_.CreateSection(9, L"");
    EXPECT_EQ(CountBook(*book_.Snapshot()).endings, 3U);
}

TEST_F(BookStatsTest, LoopsAreNotGoneRoundForTheLongestPath)
{
    book_.AddChoiceTo(3, 1, L"start over", false);
    book_.AddChoiceTo(6, 2, L"again", false);
    const auto stats = CountBook(*book_.Snapshot());
    EXPECT_TRUE(stats.loopsIgnored);
    EXPECT_EQ(stats.shortestPath, 1U);
    EXPECT_EQ(stats.longestPath, 1U);
}

TEST(BookStats, ABookWithoutEndingsHasNoPaths)
{
    TarnViewModel::TarnDataModel book;
    book.NewBook(L"", L"");
    book.AddChoiceTo(1, 1, L"round", false);
    const auto stats = CountBook(*book.Snapshot());
    EXPECT_FALSE(stats.shortestPath);
    EXPECT_FALSE(stats.longestPath);
    EXPECT_EQ(stats.endings, 0U);
}

TEST(ReadingTime, CountsAPartMinuteWhole)
{
    Analysis::BookStats stats;
    EXPECT_EQ(Analysis::ReadingMinutes(stats), 0u);
    stats.words = 1;
    EXPECT_EQ(Analysis::ReadingMinutes(stats), 1u);
    stats.words = 400;
    EXPECT_EQ(Analysis::ReadingMinutes(stats), 2u);
    stats.words = 401;
    EXPECT_EQ(Analysis::ReadingMinutes(stats), 3u);
}

}  // namespace
