// SPDX-License-Identifier: MIT
#include "shell/support/LaterSteps.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using TarnGui::RunGuardedSoon;

// Work that outlasts a turn's share of time.
void Work()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20) {
    }
}

// As a fill does: each step does some work and asks for the next.
void Chain(QWidget* owner, int& left, std::vector<int>& ran)
{
    RunGuardedSoon(owner, [owner, &left, &ran] {
        Work();
        ran.push_back(left);
        if (--left > 0) {
            Chain(owner, left, ran);
        }
    });
}

TEST(LaterSteps, LongStepsTakeATurnEachInTheOrderAskedAndCheapOnesShareOne)
{
    QWidget owner;
    int first = 3;
    int second = 3;
    std::vector<int> ran;
    Chain(&owner, first, ran);
    Chain(&owner, second, ran);
    for (int turn = 1; turn <= 6; ++turn) {
        QApplication::processEvents();
        EXPECT_EQ(ran.size(), static_cast<std::size_t>(turn)) << "a turn ran more than one long step";
    }
    EXPECT_EQ(ran, (std::vector<int>{3, 3, 2, 2, 1, 1})) << "the two chains did not take turns";

    int cheap = 0;
    for (int step = 0; step < 100; ++step) {
        RunGuardedSoon(&owner, [&cheap] { ++cheap; });
    }
    QApplication::processEvents();
    EXPECT_EQ(cheap, 100);
}

TEST(LaterSteps, AStepWhoseWidgetIsGoneIsDropped)
{
    auto owner = std::make_unique<QWidget>();
    QWidget other;
    bool ranForGone = false;
    bool ranForOther = false;
    RunGuardedSoon(owner.get(), [&ranForGone] { ranForGone = true; });
    RunGuardedSoon(&other, [&ranForOther] { ranForOther = true; });
    owner.reset();
    QApplication::processEvents();
    EXPECT_FALSE(ranForGone);
    EXPECT_TRUE(ranForOther);
}

}  // namespace
