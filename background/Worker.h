// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <stop_token>
#include <type_traits>
#include <utility>

namespace Background {

// Runs a function on the owner's thread, later: in the window, through its event queue.
using Dispatcher = std::function<void(std::function<void()>)>;

// What a worker does with the jobs it is given.
enum class Backlog {
    // Every job runs, in the order given; destroying the worker finishes the jobs already
    // given, because each one's work (a file written, a copy removed) matters in itself.
    Queue,
    // A job given while another waits replaces it, because only the newest result matters;
    // destroying the worker drops the waiting job and never waits for one under way.
    NewestOnly,
};

// Runs jobs one at a time on a thread of its own and hands each result, or the exception
// that ended it, to its callback on the owner's thread through the dispatcher. Results reach
// the owner only while the worker lives: once it is destroyed, none is delivered, so a
// callback never runs for an owner that has gone. A job that takes a std::stop_token is told
// to stop when the worker is destroyed.
class Worker {
public:
    using Failed = std::function<void(std::exception_ptr failure)>;

    Worker(Dispatcher dispatcher, Backlog backlog);
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;
    ~Worker();

    // Runs job() or job(stop) on the worker, then done(result), or done() for a job that
    // returns nothing, on the owner's thread; failed(exception) instead when the job throws.
    template <class Job, class Done>
    void Post(Job job, Done done, Failed failed)
    {
        Submit(
            [job = std::move(job), done = std::move(done)](std::stop_token stop) mutable -> std::function<void()> {
                if constexpr (std::is_void_v<decltype(Call(job, stop))>) {
                    Call(job, stop);
                    return [done]() mutable { done(); };
                } else {
                    // Shared, so that a result that cannot be copied still rides in a function.
                    auto result = std::make_shared<decltype(Call(job, stop))>(Call(job, stop));
                    return [done, result]() mutable { done(std::move(*result)); };
                }
            },
            std::move(failed));
    }

    // Runs the function on the owner's thread after the results already delivered, while
    // the worker lives.
    void Soon(std::function<void()> function);
    // Returns once every job given so far has run and its result has been handed to the
    // dispatcher.
    void Finish();

private:
    using Delivery = std::function<void()>;
    using Work = std::function<Delivery(std::stop_token)>;
    struct Shared;

    template <class Job>
    static decltype(auto) Call(Job& job, std::stop_token stop)
    {
        if constexpr (std::is_invocable_v<Job&, std::stop_token>) {
            return job(std::move(stop));
        } else {
            return job();
        }
    }

    void Submit(Work work, Failed failed);

    std::shared_ptr<Shared> shared_;
};

}  // namespace Background
