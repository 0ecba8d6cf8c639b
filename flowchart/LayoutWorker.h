#pragma once

#include "flowchart/LayoutRunner.h"

#include <memory>

namespace TarnViewModel {

// Lays snapshots out on a thread of its own, one at a time, and posts each outcome back
// through the dispatcher, which runs it on the thread that owns the worker. Destroying the
// worker never waits for a layout under way: its outcome is dropped and the thread ends
// when Graphviz returns.
class LayoutWorker : public LayoutRunner {
public:
    // Runs a function on the owner's thread, later.
    using Dispatcher = std::function<void(std::function<void()>)>;

    explicit LayoutWorker(Dispatcher dispatcher);
    LayoutWorker(const LayoutWorker&) = delete;
    LayoutWorker& operator=(const LayoutWorker&) = delete;
    ~LayoutWorker() override;

    // A snapshot given while another waits replaces it.
    void Run(FlowchartSnapshot snapshot, Done done) override;
    void Soon(std::function<void()> function) override;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

}  // namespace TarnViewModel
