// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace TestSupport {

// Stands in for the user-interface thread's event queue: a worker posts here and the test
// runs what was posted, on its own thread.
class PostedQueue {
public:
    std::function<void(std::function<void()>)> Dispatcher()
    {
        return [this](std::function<void()> task) {
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                tasks_.push_back(std::move(task));
            }
            arrived_.notify_one();
        };
    }

    // Waits for the next posted task and runs it.
    void RunNext()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        arrived_.wait(lock, [this] { return !tasks_.empty(); });
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        task();
    }

    // Runs whatever has been posted so far.
    void RunAll()
    {
        std::deque<std::function<void()>> tasks;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            tasks.swap(tasks_);
        }
        for (auto& task : tasks) {
            task();
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace TestSupport
