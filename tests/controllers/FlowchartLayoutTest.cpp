// SPDX-License-Identifier: MIT
#include "controllers/FlowchartController.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

namespace {

using namespace TarnViewModel;

// Holds each layout it is given until the test finishes it, as a worker thread would.
class HeldLayoutRunner : public Flowchart::LayoutRunner {
public:
    struct Job {
        Flowchart::FlowchartSnapshot snapshot;
        Done done;
    };

    void Run(Flowchart::FlowchartSnapshot snapshot, Done done) override { jobs.push_back({std::move(snapshot), std::move(done)}); }
    void Soon(std::function<void()> function) override { function(); }

    void FinishNext()
    {
        Job job = std::move(jobs.front());
        jobs.pop_front();
        job.done(Flowchart::AttemptLayout(job.snapshot));
    }

    void FailNext()
    {
        Job job = std::move(jobs.front());
        jobs.pop_front();
        job.done(Flowchart::LayoutOutcome{std::nullopt, "dot failed"});
    }

    std::deque<Job> jobs;
};

// Where the chart shows every box and arrow.
class ChartView : public IFlowchartView {
public:
    struct Box {
        double left = 0;
        double top = 0;
    };

    std::pair<double, double> MeasureSection(std::uint32_t, const std::wstring&) override { return {80, 50}; }
    void AddSectionNode(std::uint32_t number, const std::wstring&, const Colour&, double left, double top, double, double) override
    {
        boxes[number] = {left, top};
    }
    void UpdateSectionNode(std::uint32_t, const std::wstring&, double, double) override {}
    void AddChoiceEdge(const Uuid& id, const RoutePoints& points, bool) override { arrows[id] = points; }
    void SetChoiceHidden(const Uuid&, bool) override {}
    void BeginLayout() override { ++layoutsShown; }
    void EndLayout() override {}
    void SetSectionPosition(std::uint32_t number, double left, double top) override { boxes[number] = {left, top}; }
    void SetChoicePoints(const Uuid& id, const RoutePoints& points) override { arrows[id] = points; }
    void RemoveSectionNode(std::uint32_t number) override { boxes.erase(number); }
    void RemoveChoiceEdge(const Uuid& id) override { arrows.erase(id); }
    void SelectSectionNode(std::uint32_t) override {}
    void ClearSelection() override {}
    void SetGraphSize(int, int) override {}
    void SetSectionColour(std::uint32_t, const Colour&) override {}
    void SetZoom(double, const std::wstring&) override {}
    void EnableZoomIn(bool) override {}
    void EnableZoomOut(bool) override {}
    void RenumberSectionNode(std::uint32_t oldNumber, std::uint32_t newNumber) override
    {
        boxes[newNumber] = boxes.at(oldNumber);
        boxes.erase(oldNumber);
    }
    void SwapSectionNodes(std::uint32_t a, std::uint32_t b) override { std::swap(boxes.at(a), boxes.at(b)); }
    void RenumberSectionNodes(const NumberChanges& changes) override
    {
        std::map<std::uint32_t, Box> renumbered = boxes;
        for (const NumberChange& change : changes) {
            renumbered.erase(change.from);
        }
        for (const NumberChange& change : changes) {
            renumbered[change.to] = boxes.at(change.from);
        }
        boxes = std::move(renumbered);
    }
    void ClearAll() override
    {
        boxes.clear();
        arrows.clear();
    }
    void SetFooterText(const std::wstring&) override {}
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void ShowLayoutStatus(LayoutStatus shown, const std::wstring& error) override
    {
        status = shown;
        statusError = error;
    }

    std::map<std::uint32_t, Box> boxes;
    std::map<Uuid, RoutePoints> arrows;
    int layoutsShown = 0;
    LayoutStatus status = LayoutStatus::Idle;
    std::wstring statusError;
};

struct FlowchartLayoutTest : testing::Test {
    FlowchartLayoutTest()
    {
        auto held = std::make_unique<HeldLayoutRunner>();
        runner = held.get();
        controller = std::make_unique<FlowchartController>(model, selection, &chart, std::move(held));
        model.NewBook(L"Quest", L"");
        runner->FinishNext();
    }

    // Finishes layouts until none runs or waits.
    void Settle()
    {
        while (!runner->jobs.empty()) {
            runner->FinishNext();
        }
    }

    void ExpectSameChart(const ChartView& expected) const
    {
        ASSERT_EQ(chart.boxes.size(), expected.boxes.size());
        for (const auto& [number, box] : expected.boxes) {
            ASSERT_TRUE(chart.boxes.contains(number)) << number;
            EXPECT_EQ(chart.boxes.at(number).left, box.left) << number;
            EXPECT_EQ(chart.boxes.at(number).top, box.top) << number;
        }
        EXPECT_EQ(chart.arrows, expected.arrows);
    }

    TarnDataModel model;

    SectionSelection selection{model};
    // A second chart of the same book, laid out at once after every change.
    ChartView reference;
    FlowchartController synchronous{model, selection, &reference};
    ChartView chart;
    HeldLayoutRunner* runner = nullptr;
    std::unique_ptr<FlowchartController> controller;
};

TEST_F(FlowchartLayoutTest, EditsDuringALayoutFoldIntoOneWaitingLayoutAndEndAsASynchronousLayoutWould)
{
    model.CreateSection(2, L"");
    EXPECT_EQ(runner->jobs.size(), 1u);
    EXPECT_EQ(chart.status, LayoutStatus::Running);
    EXPECT_TRUE(controller->LayoutBusy());
    const Uuid first = model.AddChoiceTo(1, 2, L"Go", false);
    model.AddChoiceTo(2, 3, L"On", false);
    model.AddChoiceTo(3, 1, L"Back", true);
    model.SetSectionText(3, L"A longer text\r\nthan most");
    model.EditChoice(first, 3, L"Go far", false);
    model.SetSectionNumber(2, 8);
    // Nothing waited: one layout runs, and the edits since wait as one.
    EXPECT_EQ(runner->jobs.size(), 1u);
    runner->FinishNext();
    // The first result no longer fits the book, so it is dropped and the waiting one starts.
    EXPECT_EQ(chart.layoutsShown, 1);
    ASSERT_EQ(runner->jobs.size(), 1u);
    EXPECT_EQ(runner->jobs.front().snapshot.nodes.size(), 3u);
    runner->FinishNext();
    EXPECT_EQ(chart.layoutsShown, 2);
    EXPECT_FALSE(controller->LayoutBusy());
    EXPECT_EQ(chart.status, LayoutStatus::Idle);
    ExpectSameChart(reference);
}

// Moving a section with choices takes them down and puts them back, which is a change of
// shape; a section without any is only relabelled, and the layout under way still fits.
TEST_F(FlowchartLayoutTest, ALayoutFinishedAfterARenumberingPlacesTheBoxesUnderTheirNewNumbers)
{
    model.AddChoiceTo(1, 2, L"Go", false);
    model.CreateSection(5, L"Alone");
    model.CreateSection(6, L"Also alone");
    Settle();
    // The new section starts a layout and its choice waits for the next.
    model.AddChoiceTo(2, 3, L"On", false);
    runner->FinishNext();
    const int shown = chart.layoutsShown;
    model.SetSectionNumber(5, 9);
    model.SetSectionNumber(6, 9);
    ASSERT_EQ(runner->jobs.size(), 1u);
    runner->FinishNext();
    EXPECT_TRUE(runner->jobs.empty());
    EXPECT_EQ(chart.layoutsShown, shown + 1);
    ExpectSameChart(reference);

    model.SetSectionNumber(3, 7);
    Settle();
    ExpectSameChart(reference);
}

// A shuffle changes no shape: every box keeps its place under its new number, and a layout
// under way still fits the boxes when it ends.
TEST_F(FlowchartLayoutTest, AShuffleRelabelsTheBoxesInPlaceWithoutALayout)
{
    for (std::uint32_t number = 2; number <= 12; ++number) {
        model.AddChoiceTo(number - 1, number, L"On", false);
    }
    model.AddChoiceTo(12, 4, L"Back", false);
    Settle();
    model.AddChoiceTo(3, 9, L"Jump", false);
    const std::map<std::uint32_t, ChartView::Box> before = chart.boxes;
    Numbering numbers = model.GetStoryGraph().CurrentNumbering();
    model.Shuffle();
    EXPECT_EQ(runner->jobs.size(), 1u) << "only the layout already under way";
    ASSERT_EQ(chart.boxes.size(), before.size());
    for (const auto& [id, number] : model.GetStoryGraph().CurrentNumbering()) {
        EXPECT_EQ(chart.boxes.at(number).left, before.at(numbers.at(id)).left) << number;
        EXPECT_EQ(chart.boxes.at(number).top, before.at(numbers.at(id)).top) << number;
    }
    Settle();
    numbers = model.GetStoryGraph().CurrentNumbering();
    const auto placed = chart.boxes;
    model.Undo();
    EXPECT_TRUE(runner->jobs.empty());
    for (const auto& [id, number] : model.GetStoryGraph().CurrentNumbering()) {
        EXPECT_EQ(chart.boxes.at(number).top, placed.at(numbers.at(id)).top) << number;
    }
    ExpectSameChart(reference);
}

TEST_F(FlowchartLayoutTest, ANewSectionWaitsBelowTheSectionItIsReachedFromWithAStraightArrow)
{
    selection.SetCurrentSection(1);
    const ChartView::Box one = chart.boxes.at(1);
    const Uuid id = model.AddChoiceTo(1, 2, L"Go", false);
    ASSERT_TRUE(chart.boxes.contains(2));
    EXPECT_EQ(chart.boxes.at(2).left, one.left);
    EXPECT_EQ(chart.boxes.at(2).top, one.top + 50 + 20);
    const RoutePoints& arrow = chart.arrows.at(id);
    ASSERT_EQ(arrow.size(), 5u);
    EXPECT_EQ(arrow.front(), (Flowchart::RoutePoint{one.left + 40, one.top + 50}));
    EXPECT_EQ(arrow.back(), (Flowchart::RoutePoint{one.left + 40, one.top + 70}));
    EXPECT_EQ(arrow[1].x, arrow.front().x);
}

TEST_F(FlowchartLayoutTest, ProvisionalBoxesCoverNoOtherBox)
{
    selection.SetCurrentSection(1);
    model.AddChoiceTo(1, 2, L"Go", false);
    model.AddChoiceTo(1, 3, L"Run", false);
    const ChartView::Box second = chart.boxes.at(2);
    const ChartView::Box third = chart.boxes.at(3);
    EXPECT_EQ(third.top, second.top);
    EXPECT_GE(third.left, second.left + 80);
}

TEST_F(FlowchartLayoutTest, RemovedBoxesAndArrowsGoAtOnce)
{
    model.AddChoiceTo(1, 2, L"Go", false);
    model.AddChoiceTo(2, 3, L"On", false);
    Settle();
    selection.SetCurrentSection(2);
    model.DeleteSectionAndChoices(2);
    EXPECT_FALSE(chart.boxes.contains(2));
    EXPECT_TRUE(chart.arrows.empty());
    EXPECT_EQ(runner->jobs.size(), 1u);
}

TEST_F(FlowchartLayoutTest, AFailedLayoutKeepsTheLastOneAndSaysWhy)
{
    model.AddChoiceTo(1, 2, L"Go", false);
    Settle();
    const auto shown = chart.boxes;
    model.SetSectionText(2, L"Longer");
    runner->FailNext();
    EXPECT_EQ(chart.status, LayoutStatus::Failed);
    EXPECT_EQ(chart.statusError, L"dot failed");
    EXPECT_EQ(controller->LayoutError(), "dot failed");
    EXPECT_EQ(chart.boxes.at(2).top, shown.at(2).top);
    model.SetSectionText(2, L"Longer still");
    runner->FinishNext();
    EXPECT_EQ(chart.status, LayoutStatus::Idle);
    EXPECT_TRUE(controller->LayoutError().empty());
}

TEST_F(FlowchartLayoutTest, ANewBookOrTheControllerGoingDropsTheLayoutUnderWay)
{
    model.AddChoiceTo(1, 2, L"Go", false);
    model.NewBook(L"Another", L"");
    const int shownBefore = chart.layoutsShown;
    runner->FinishNext();
    EXPECT_EQ(chart.layoutsShown, shownBefore);
    Settle();
    EXPECT_EQ(chart.boxes.size(), 1u);

    model.CreateSection(2, L"");
    HeldLayoutRunner::Job orphan = std::move(runner->jobs.front());
    runner->jobs.clear();
    controller.reset();
    orphan.done(Flowchart::AttemptLayout(orphan.snapshot));
    EXPECT_EQ(chart.layoutsShown, shownBefore + 1);
}

// Below the size where faster attributes take over, a book opens with the layout Graphviz
// gives with its defaults, the sections and choices added in the book's order.
TEST(FlowchartLayoutOfSmallBooks, IsGraphvizsDefaultLayout)
{
    TestSupport::TempFolder folder;
    SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(Flowchart::FlowchartGraph::LargeGraphNodes - 1))
        ->Save(folder.WidePath("small.brindle"));
    TarnDataModel model;
    SectionSelection selection{model};
    ChartView chart;
    FlowchartController controller(model, selection, &chart);
    model.Load(folder.WidePath("small.brindle"));

    Flowchart::FlowchartGraph graph;
    graph.SetTuning(Flowchart::FlowchartGraph::Tuning::Defaults);
    model.GetStoryGraph().VisitSections([&](const Section& section) { graph.AddNode(section.number, 80, 50); });
    for (const Choice& choice : model.GetStoryGraph().AllChoices()) {
        graph.AddEdge(choice.id, choice.source, choice.destination);
    }
    std::map<std::uint32_t, Flowchart::NodePlacement> expected;
    std::map<Uuid, RoutePoints> routes;
    graph.Layout([&](const Flowchart::NodePlacement& node) { expected[node.number] = node; },
                 [&](const Flowchart::EdgeRoute& edge) { routes[edge.choiceId] = edge.points; }, [](int, int) {});
    ASSERT_EQ(chart.boxes.size(), expected.size());
    for (const auto& [number, node] : expected) {
        EXPECT_EQ(chart.boxes.at(number).left, node.left) << number;
        EXPECT_EQ(chart.boxes.at(number).top, node.top) << number;
    }
    EXPECT_EQ(chart.arrows, routes);
}

}  // namespace
