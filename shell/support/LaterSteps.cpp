// SPDX-License-Identifier: MIT
#include "shell/support/LaterSteps.h"

#include "shell/support/ErrorBoundary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>

#include <deque>

namespace TarnGui {

namespace {

struct LaterStep {
    QPointer<QWidget> owner;
    std::function<void()> step;
};

std::deque<LaterStep>& Waiting()
{
    static std::deque<LaterStep> steps;
    return steps;
}

// Whether a turn is asked for and has not ended yet: at most one is, so that no turn runs
// the share of several.
bool turnAsked = false;

void RunTurn();

void AskTurn()
{
    if (!turnAsked) {
        turnAsked = true;
        QMetaObject::invokeMethod(qApp, RunTurn, Qt::QueuedConnection);
    }
}

// Steps run until a turn's share of time is spent, so that steps with nothing left to do,
// such as those of an abandoned fill, go by together and a long one runs on its own.
void RunTurn()
{
    constexpr qint64 TurnMs = 8;
    QElapsedTimer turn;
    turn.start();
    while (!Waiting().empty() && turn.elapsed() < TurnMs) {
        const LaterStep next = std::move(Waiting().front());
        Waiting().pop_front();
        if (next.owner) {
            RunGuarded(next.owner, next.step);
        }
    }
    turnAsked = false;
    if (!Waiting().empty()) {
        AskTurn();
    }
}

}  // namespace

void RunGuardedSoon(QWidget* owner, std::function<void()> step)
{
    Waiting().push_back({owner, std::move(step)});
    AskTurn();
}

}  // namespace TarnGui
