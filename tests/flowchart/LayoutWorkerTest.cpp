// SPDX-License-Identifier: MIT
#include "flowchart/LayoutWorker.h"
#include "flowchart/FlowchartGraph.h"
#include "support/PostedQueue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

using namespace TarnViewModel;

using TestSupport::PostedQueue;

Flowchart::FlowchartSnapshot Chain(std::uint32_t count)
{
    Flowchart::FlowchartSnapshot snapshot;
    for (std::uint32_t number = 1; number <= count; ++number) {
        snapshot.nodes.push_back({number, 80, 50});
        if (number > 1) {
            snapshot.edges.push_back({NewId(), number - 1, number});
        }
    }
    return snapshot;
}

std::vector<std::uint32_t> Numbers(const Flowchart::FlowchartLayout& layout)
{
    std::vector<std::uint32_t> numbers;
    for (const Flowchart::NodePlacement& node : layout.nodes) {
        numbers.push_back(node.number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

TEST(LayoutWorker, LaysOutAsTheCallerWouldAndHandsTheResultBackThroughTheDispatcher)
{
    PostedQueue queue;
    Flowchart::LayoutWorker worker(queue.Dispatcher());
    const Flowchart::FlowchartSnapshot snapshot = Chain(30);
    std::optional<Flowchart::LayoutOutcome> received;
    worker.Run(snapshot, [&](Flowchart::LayoutOutcome outcome) { received = std::move(outcome); });
    queue.RunNext();
    ASSERT_TRUE(received && received->layout);
    const Flowchart::FlowchartLayout expected = Flowchart::LayOut(snapshot);
    EXPECT_EQ(received->layout->width, expected.width);
    EXPECT_EQ(received->layout->height, expected.height);
    ASSERT_EQ(received->layout->nodes.size(), expected.nodes.size());
    for (std::size_t index = 0; index < expected.nodes.size(); ++index) {
        EXPECT_EQ(received->layout->nodes[index].left, expected.nodes[index].left);
        EXPECT_EQ(received->layout->nodes[index].top, expected.nodes[index].top);
    }
    ASSERT_EQ(received->layout->edges.size(), expected.edges.size());
    EXPECT_EQ(received->layout->edges.back().points, expected.edges.back().points);
}

// Snapshots given while one is laid out replace each other; the last is always laid out.
TEST(LayoutWorker, WaitingSnapshotsFoldIntoTheLatest)
{
    PostedQueue queue;
    Flowchart::LayoutWorker worker(queue.Dispatcher());
    std::vector<std::size_t> laidOut;
    for (std::uint32_t count = 1; count <= 40; ++count) {
        worker.Run(Chain(count),
                   [&](Flowchart::LayoutOutcome outcome) { laidOut.push_back(outcome.layout ? outcome.layout->nodes.size() : 0); });
    }
    while (laidOut.empty() || laidOut.back() != 40) {
        queue.RunNext();
    }
    EXPECT_LE(laidOut.size(), 40u);
    EXPECT_TRUE(std::is_sorted(laidOut.begin(), laidOut.end()));
}

TEST(LayoutWorker, AFailedLayoutIsReportedAndTheWorkerCarriesOn)
{
    PostedQueue queue;
    Flowchart::LayoutWorker worker(queue.Dispatcher());
    Flowchart::FlowchartSnapshot broken = Chain(3);
    // An edge to a node that is not there fails before Graphviz is asked.
    broken.edges.push_back({NewId(), 1, 99});
    std::vector<Flowchart::LayoutOutcome> outcomes;
    worker.Run(broken, [&](Flowchart::LayoutOutcome outcome) { outcomes.push_back(std::move(outcome)); });
    queue.RunNext();
    worker.Run(Chain(3), [&](Flowchart::LayoutOutcome outcome) { outcomes.push_back(std::move(outcome)); });
    queue.RunNext();
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_FALSE(outcomes[0].layout);
    EXPECT_FALSE(outcomes[0].error.empty());
    ASSERT_TRUE(outcomes[1].layout);
    EXPECT_EQ(Numbers(*outcomes[1].layout), (std::vector<std::uint32_t>{1, 2, 3}));
}

// The worker goes while Graphviz still works on a large chart: nothing waits for it and
// nothing is posted afterwards. A second worker then lays out as usual, after it.
TEST(LayoutWorker, GoingAwayDuringALayoutNeitherWaitsNorPostsItsResult)
{
    bool posted = false;
    {
        Flowchart::LayoutWorker worker([&](std::function<void()>) { posted = true; });
        worker.Run(Chain(1500), [](Flowchart::LayoutOutcome) {});
    }
    PostedQueue queue;
    Flowchart::LayoutWorker next(queue.Dispatcher());
    std::optional<Flowchart::LayoutOutcome> received;
    next.Run(Chain(5), [&](Flowchart::LayoutOutcome outcome) { received = std::move(outcome); });
    queue.RunNext();
    ASSERT_TRUE(received && received->layout);
    EXPECT_EQ(received->layout->nodes.size(), 5u);
    EXPECT_FALSE(posted);
}

}  // namespace
