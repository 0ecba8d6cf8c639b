#include "controllers/SerialWorker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace TarnViewModel {

struct SerialWorker::Shared {
    struct Job {
        std::function<void()> work;
        Done done;
    };

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
            std::exception_ptr failure;
            try {
                job.work();
            } catch (...) {
                // Carried to the owner's thread, where the error is shown.
                failure = std::current_exception();
            }
            lock.lock();
            busy = false;
            if (!stopped && job.done) {
                dispatch([done = std::move(job.done), failure] { done(failure); });
            }
            idle.notify_all();
        }
    }

    Dispatcher dispatch;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Job> jobs;
    bool busy = false;
    bool stopped = false;
    std::thread thread;
};

SerialWorker::SerialWorker(Dispatcher dispatcher) : shared_(std::make_shared<Shared>())
{
    shared_->dispatch = std::move(dispatcher);
    shared_->thread = std::thread([shared = shared_] { shared->Serve(); });
}

SerialWorker::~SerialWorker()
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->stopped = true;
    }
    shared_->wake.notify_one();
    shared_->thread.join();
}

void SerialWorker::Post(std::function<void()> job, Done done)
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->jobs.push_back({std::move(job), std::move(done)});
    }
    shared_->wake.notify_one();
}

void SerialWorker::Finish()
{
    std::unique_lock<std::mutex> lock(shared_->mutex);
    shared_->idle.wait(lock, [this] { return shared_->jobs.empty() && !shared_->busy; });
}

}  // namespace TarnViewModel
