// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

namespace TestSupport {

// The steps a view was asked to run soon, kept until the test runs them as the event loop
// would.
struct DeferredSteps {
    void RunSteps()
    {
        while (!steps.empty()) {
            const std::function<void()> step = std::move(steps.front());
            steps.erase(steps.begin());
            step();
        }
    }

    std::vector<std::function<void()>> steps;
};

}  // namespace TestSupport
