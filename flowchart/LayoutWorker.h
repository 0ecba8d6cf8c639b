// SPDX-License-Identifier: MIT
#pragma once

#include "background/Worker.h"
#include "flowchart/LayoutRunner.h"

namespace Flowchart {

// Lays snapshots out on a worker of its own, one at a time, the newest waiting one replacing
// any older, and hands each outcome back on the owner's thread. Destroying the worker never
// waits for a layout under way: its outcome is dropped and the thread ends when Graphviz
// returns.
class LayoutWorker : public LayoutRunner {
public:
    explicit LayoutWorker(Background::Dispatcher dispatcher);

    void Run(FlowchartSnapshot snapshot, Done done) override;
    void Soon(std::function<void()> function) override;

private:
    Background::Worker worker_;
};

}  // namespace Flowchart
