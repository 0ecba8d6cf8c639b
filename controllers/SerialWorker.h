#pragma once

#include <exception>
#include <functional>
#include <memory>

namespace TarnViewModel {

// Runs jobs on a thread of its own, one after another in the order given, and posts each
// outcome (an error, or none) back through the dispatcher, which runs it on the owner's
// thread. Destroying the worker finishes the jobs already given, without their outcomes.
class SerialWorker {
public:
    using Dispatcher = std::function<void(std::function<void()>)>;
    using Done = std::function<void(std::exception_ptr failure)>;

    explicit SerialWorker(Dispatcher dispatcher);
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;
    ~SerialWorker();

    void Post(std::function<void()> job, Done done = {});
    // Returns once every job given so far has run.
    void Finish();

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

}  // namespace TarnViewModel
