#include "flowchart/LayoutWorker.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace TarnViewModel {

// Lives as long as the worker or its thread, whichever is the longer.
struct LayoutWorker::Shared {
    struct Job {
        FlowchartSnapshot snapshot;
        Done done;
    };

    explicit Shared(Dispatcher dispatch) : dispatch(std::move(dispatch)) {}

    void Serve()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stopped || waiting.has_value(); });
            if (stopped) {
                return;
            }
            Job job = std::move(*waiting);
            waiting.reset();
            lock.unlock();
            LayoutOutcome outcome = AttemptLayout(job.snapshot);
            lock.lock();
            // Holding the lock while posting keeps the owner from going away meanwhile.
            if (!stopped) {
                dispatch([done = std::move(job.done), outcome = std::move(outcome)]() mutable { done(std::move(outcome)); });
            }
        }
    }

    Dispatcher dispatch;
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Job> waiting;
    bool stopped = false;
};

LayoutWorker::LayoutWorker(Dispatcher dispatcher) : shared_(std::make_shared<Shared>(std::move(dispatcher)))
{
    std::thread([shared = shared_] { shared->Serve(); }).detach();
}

LayoutWorker::~LayoutWorker()
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->stopped = true;
        shared_->waiting.reset();
    }
    shared_->wake.notify_one();
}

void LayoutWorker::Soon(std::function<void()> function)
{
    shared_->dispatch(std::move(function));
}

void LayoutWorker::Run(FlowchartSnapshot snapshot, Done done)
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->waiting = Shared::Job{std::move(snapshot), std::move(done)};
    }
    shared_->wake.notify_one();
}

}  // namespace TarnViewModel
