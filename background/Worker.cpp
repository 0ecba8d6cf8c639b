// SPDX-License-Identifier: MIT
#include "background/Worker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace Background {

// Lives as long as the worker or its thread, whichever is the longer.
struct Worker::Shared {
    struct Job {
        Work work;
        Failed failed;
    };

    Shared(Dispatcher dispatch, Backlog backlog) : dispatch(std::move(dispatch)), backlog(backlog) {}

    void Serve()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stopped || !jobs.empty(); });
            if (jobs.empty()) {
                return;
            }
            Job job = std::move(jobs.front());
            jobs.pop_front();
            busy = true;
            lock.unlock();
            Delivery delivery;
            try {
                delivery = job.work(stop.get_token());
            } catch (...) {
                // Carried to the owner's thread, where the error is shown.
                delivery = [failed = std::move(job.failed), failure = std::current_exception()] { failed(failure); };
            }
            lock.lock();
            busy = false;
            // Posting under the lock keeps the owner from going away meanwhile.
            if (!stopped) {
                Deliver(std::move(delivery));
            }
            idle.notify_all();
        }
    }

    // Hands the function to the owner's thread, where it runs only while the worker lives.
    void Deliver(std::function<void()> function)
    {
        dispatch([owned = owned, function = std::move(function)] {
            if (*owned) {
                function();
            }
        });
    }

    void WaitUntilIdle(std::unique_lock<std::mutex>& lock)
    {
        idle.wait(lock, [this] { return jobs.empty() && !busy; });
    }

    Dispatcher dispatch;
    const Backlog backlog;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Job> jobs;
    std::stop_source stop;
    // Read and cleared only on the owner's thread.
    std::shared_ptr<bool> owned = std::make_shared<bool>(true);
    bool busy = false;
    bool stopped = false;
};

Worker::Worker(Dispatcher dispatcher, Backlog backlog) : shared_(std::make_shared<Shared>(std::move(dispatcher), backlog))
{
    std::thread([shared = shared_] { shared->Serve(); }).detach();
}

Worker::~Worker()
{
    *shared_->owned = false;
    shared_->stop.request_stop();
    std::unique_lock<std::mutex> lock(shared_->mutex);
    shared_->stopped = true;
    if (shared_->backlog == Backlog::NewestOnly) {
        shared_->jobs.clear();
    }
    shared_->wake.notify_one();
    if (shared_->backlog == Backlog::Queue) {
        shared_->WaitUntilIdle(lock);
    }
}

void Worker::Submit(Work work, Failed failed)
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        if (shared_->backlog == Backlog::NewestOnly) {
            shared_->jobs.clear();
        }
        shared_->jobs.push_back({std::move(work), std::move(failed)});
    }
    shared_->wake.notify_one();
}

void Worker::Soon(std::function<void()> function)
{
    shared_->Deliver(std::move(function));
}

void Worker::Finish()
{
    std::unique_lock<std::mutex> lock(shared_->mutex);
    shared_->WaitUntilIdle(lock);
}

}  // namespace Background
