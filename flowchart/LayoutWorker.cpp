// SPDX-License-Identifier: MIT
#include "flowchart/LayoutWorker.h"

namespace Flowchart {

LayoutWorker::LayoutWorker(Background::Dispatcher dispatcher) : worker_(std::move(dispatcher), Background::Backlog::NewestOnly) {}

void LayoutWorker::Run(FlowchartSnapshot snapshot, Done done)
{
    worker_.Post([snapshot = std::move(snapshot)] { return AttemptLayout(snapshot); }, done,
                 [done](std::exception_ptr failure) {
                     LayoutOutcome outcome;
                     try {
                         std::rethrow_exception(failure);
                     } catch (const std::exception& e) {
                         outcome.error = e.what();
                     } catch (...) {
                         outcome.error = "The layout failed for a reason Graphviz did not give.";
                     }
                     done(std::move(outcome));
                 });
}

void LayoutWorker::Soon(std::function<void()> function)
{
    worker_.Soon(std::move(function));
}

}  // namespace Flowchart
