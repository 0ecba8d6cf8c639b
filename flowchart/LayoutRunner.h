// SPDX-License-Identifier: MIT
#pragma once

#include "flowchart/FlowchartSnapshot.h"

#include <functional>

namespace Flowchart {

// Lays snapshots out and hands each outcome to its callback on the thread that asked.
class LayoutRunner {
public:
    using Done = std::function<void(LayoutOutcome)>;

    virtual ~LayoutRunner() = default;
    virtual void Run(FlowchartSnapshot snapshot, Done done) = 0;
    // Runs the function on the owner's thread once the work in hand is done, so that every
    // change of one edit is laid out together.
    virtual void Soon(std::function<void()> function) = 0;
};

// Lays out at once, before Run returns: for the command line and the tests.
class SynchronousLayoutRunner : public LayoutRunner {
public:
    void Run(FlowchartSnapshot snapshot, Done done) override;
    // At once: a caller that waits for each layout has no work in hand.
    void Soon(std::function<void()> function) override { function(); }
};

}  // namespace Flowchart
