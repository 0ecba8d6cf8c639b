// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <functional>

namespace TarnGui {

// Runs a step of the controllers' in a later turn of the event loop, guarded as a command
// is. Steps run one per turn, in the order they were asked for, so that the window reads
// its input between any two; a step whose widget is gone by then is dropped.
void RunGuardedSoon(QWidget* owner, std::function<void()> step);

}  // namespace TarnGui
