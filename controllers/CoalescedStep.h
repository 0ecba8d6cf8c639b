// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace TarnViewModel {

// A step that a view runs on a later turn: asked for any number of times before it runs, it
// runs once, and once its owner is gone it does nothing.
class CoalescedStep {
public:
    using Step = std::function<void()>;
    using RunSoon = std::function<void(Step)>;

    CoalescedStep(RunSoon runSoon, Step step) : runSoon_(std::move(runSoon)), step_(std::move(step)) {}
    CoalescedStep(const CoalescedStep&) = delete;
    CoalescedStep& operator=(const CoalescedStep&) = delete;
    ~CoalescedStep() { *alive_ = false; }

    void Request()
    {
        if (waiting_) {
            return;
        }
        waiting_ = true;
        runSoon_([this, alive = alive_] {
            if (*alive) {
                waiting_ = false;
                step_();
            }
        });
    }

private:
    RunSoon runSoon_;
    Step step_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool waiting_ = false;
};

}  // namespace TarnViewModel
