// SPDX-License-Identifier: MIT
#include "background/Worker.h"
#include "support/PostedQueue.h"

#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Background::Backlog;
using Background::Worker;
using TestSupport::PostedQueue;

Worker::Failed Unexpected()
{
    return [](std::exception_ptr) { ADD_FAILURE() << "the job failed"; };
}

TEST(Worker, AQueueRunsEveryJobInOrderAndDeliversEachResultOnTheOwnersThread)
{
    PostedQueue queue;
    Worker worker(queue.Dispatcher(), Backlog::Queue);
    std::vector<int> results;
    for (int job = 0; job < 20; ++job) {
        worker.Post([job] { return job * job; }, [&results](int result) { results.push_back(result); }, Unexpected());
    }
    worker.Finish();
    EXPECT_TRUE(results.empty()) << "results arrive only through the dispatcher";
    queue.RunAll();
    ASSERT_EQ(results.size(), 20u);
    for (int job = 0; job < 20; ++job) {
        EXPECT_EQ(results[job], job * job);
    }
}

TEST(Worker, AFailureReachesItsCallbackAndTheWorkerCarriesOn)
{
    PostedQueue queue;
    Worker worker(queue.Dispatcher(), Backlog::Queue);
    std::string error;
    bool nextDone = false;
    worker.Post([]() -> int { throw std::runtime_error("the disk is full"); }, [](int) { ADD_FAILURE(); },
                [&error](std::exception_ptr failure) {
                    try {
                        std::rethrow_exception(failure);
                    } catch (const std::runtime_error& e) {
                        error = e.what();
                    }
                });
    worker.Post([] {}, [&nextDone] { nextDone = true; }, Unexpected());
    queue.RunNext();
    queue.RunNext();
    EXPECT_EQ(error, "the disk is full");
    EXPECT_TRUE(nextDone);
}

// A result that cannot be copied, such as a large buffer handed over whole.
TEST(Worker, AResultIsMovedToItsCallback)
{
    PostedQueue queue;
    Worker worker(queue.Dispatcher(), Backlog::Queue);
    std::unique_ptr<std::string> received;
    worker.Post([] { return std::make_unique<std::string>(1 << 20, 'x'); },
                [&received](std::unique_ptr<std::string> result) { received = std::move(result); }, Unexpected());
    queue.RunNext();
    ASSERT_TRUE(received);
    EXPECT_EQ(received->size(), std::size_t{1} << 20);
}

// Jobs given while one runs replace each other: the one under way and the newest are done.
TEST(Worker, NewestOnlyDropsTheJobsThatANewerOneReplaces)
{
    PostedQueue queue;
    Worker worker(queue.Dispatcher(), Backlog::NewestOnly);
    std::promise<void> started;
    std::promise<void> release;
    std::vector<int> results;
    worker.Post(
        [&started, gate = release.get_future().share()] {
            started.set_value();
            gate.wait();
            return 0;
        },
        [&results](int result) { results.push_back(result); }, Unexpected());
    started.get_future().wait();
    for (int job = 1; job <= 5; ++job) {
        worker.Post([job] { return job; }, [&results](int result) { results.push_back(result); }, Unexpected());
    }
    release.set_value();
    worker.Finish();
    queue.RunAll();
    EXPECT_EQ(results, (std::vector<int>{0, 5}));
}

// Results already on their way when the owner goes are dropped, not delivered to it.
TEST(Worker, NoResultReachesAnOwnerThatHasGone)
{
    PostedQueue queue;
    bool delivered = false;
    bool soon = false;
    {
        Worker worker(queue.Dispatcher(), Backlog::Queue);
        worker.Post([] { return 1; }, [&delivered](int) { delivered = true; }, Unexpected());
        worker.Soon([&soon] { soon = true; });
        worker.Finish();
    }
    queue.RunAll();
    EXPECT_FALSE(delivered);
    EXPECT_FALSE(soon);
}

// Each job of a queue is work that matters in itself, such as a recovery copy written.
TEST(Worker, DestroyingAQueueFinishesTheJobsGivenWithoutDeliveringThem)
{
    int ran = 0;
    int delivered = 0;
    // A result handed over before the owner went may still wait on the owner's thread; run
    // there afterwards, it must do nothing.
    std::vector<std::function<void()>> posted;
    {
        Worker worker([&posted](std::function<void()> deliver) { posted.push_back(std::move(deliver)); }, Backlog::Queue);
        std::promise<void> release;
        worker.Post([gate = release.get_future().share()] { gate.wait(); }, [&delivered] { ++delivered; }, Unexpected());
        for (int job = 0; job < 10; ++job) {
            worker.Post([&ran] { ++ran; }, [&delivered] { ++delivered; }, Unexpected());
        }
        release.set_value();
    }
    EXPECT_EQ(ran, 10);
    for (const auto& deliver : posted) {
        deliver();
    }
    EXPECT_EQ(delivered, 0);
}

// The owner goes while a long job runs: it neither waits for it nor hears of it, and the
// job is told to stop.
TEST(Worker, DestroyingANewestOnlyWorkerNeitherWaitsNorDelivers)
{
    std::promise<void> started;
    // Shared with the job, which may still be inside set_value when the test ends.
    auto stopSeen = std::make_shared<std::promise<bool>>();
    std::future<bool> seen = stopSeen->get_future();
    std::promise<void> release;
    bool posted = false;
    {
        Worker worker([&posted](std::function<void()>) { posted = true; }, Backlog::NewestOnly);
        worker.Post(
            [&started, stopSeen, gate = release.get_future().share()](std::stop_token stop) {
                started.set_value();
                gate.wait();
                stopSeen->set_value(stop.stop_requested());
            },
            [] {}, Unexpected());
        started.get_future().wait();
    }
    release.set_value();
    EXPECT_TRUE(seen.get());
    EXPECT_FALSE(posted);
}

}  // namespace
