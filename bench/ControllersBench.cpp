// SPDX-License-Identifier: MIT
#include "BookBuilder.h"
#include "NullViews.h"

#include "controllers/BookOutlineController.h"
#include "controllers/BookPreviewController.h"
#include "controllers/BookPropertiesController.h"
#include "controllers/ChoicesController.h"
#include "controllers/FlowchartController.h"
#include "controllers/FrameworkController.h"
#include "controllers/PlayController.h"
#include "controllers/ProblemsController.h"
#include "controllers/SectionControllers.h"
#include "controllers/SectionSelection.h"
#include "document/ChoiceTemplates.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

using namespace TarnViewModel;

namespace {

std::wstring SavedBook(std::uint32_t sections)
{
    return BenchSupport::SavedGamebook(sections).wstring();
}

// The document with every controller the main window creates, each on a view that does nothing.
struct Application {
    TarnDataModel model;
    SectionSelection selection{model};
    BenchSupport::NullFrameworkView frameworkView;
    BenchSupport::NullFlowchartView flowchartView;
    BenchSupport::NullOutlineView outlineView;
    BenchSupport::NullChoicesView choicesView;
    BenchSupport::NullSectionPropertiesView sectionPropertiesView;
    BenchSupport::NullBookPropertiesView bookPropertiesView;
    BenchSupport::NullPreviewView previewView;
    BenchSupport::NullSectionView sectionView;
    FrameworkController framework{model, selection, &frameworkView};
    FlowchartController flowchart{model, selection, &flowchartView};
    BookOutlineController outline{model, selection, &outlineView};
    ChoicesController choices{model, selection, &choicesView};
    SectionPropertiesController sectionProperties{model, selection, &sectionPropertiesView};
    BookPropertiesController bookProperties{model, &bookPropertiesView};
    BookPreviewController preview{model, selection, &previewView};
    SectionDetailsController sectionDetails{model, selection, &sectionView};
};

// One structural edit, end to end: the document, every controller and one full layout.
void StructuralEdit(benchmark::State& state)
{
    const auto sections = static_cast<std::uint32_t>(state.range(0));
    Application application;
    application.model.Load(SavedBook(sections));
    std::uint32_t source = 1;
    for (auto _ : state) {
        application.model.AddChoiceTo(source, source % sections + 1, L"Onwards", false);
        state.PauseTiming();
        application.model.Undo();
        source = source % sections + 1;
        state.ResumeTiming();
    }
}
BENCHMARK(StructuralEdit)->Arg(200)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

// Graphviz's own time for the same graph: the layout alone, with callbacks that do nothing.
void DotLayout(benchmark::State& state)
{
    const auto sections = static_cast<std::uint32_t>(state.range(0));
    TarnDataModel model;
    SectionSelection selection{model};
    Flowchart::FlowchartGraph graph;
    // Built in the order the flowchart controller builds it, since dot's work depends on that order.
    const auto loaded = model.ConnectBookLoaded([&](const std::vector<Section>& all, const std::vector<Choice>& choices) {
        for (const Section& section : all) {
            graph.AddNode(section.number, 80, 50);
        }
        for (const Choice& choice : choices) {
            graph.AddEdge(choice.id, choice.source, choice.destination);
        }
    });
    model.Load(SavedBook(sections));
    for (auto _ : state) {
        graph.Layout([](const Flowchart::NodePlacement&) {}, [](const Flowchart::EdgeRoute&) {}, [](int, int) {});
    }
}
BENCHMARK(DotLayout)->Arg(200)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

// Opening a book with every controller rebuilding its view.
void LoadAndRebuild(benchmark::State& state)
{
    const auto sections = static_cast<std::uint32_t>(state.range(0));
    const std::wstring path = SavedBook(sections);
    Application application;
    for (auto _ : state) {
        application.model.Load(path);
    }
}
BENCHMARK(LoadAndRebuild)->Arg(200)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

// A change of the choice format re-announces every choice; the preview rewrites each one.
void PreviewChoiceFormatChange(benchmark::State& state)
{
    const auto sections = static_cast<std::uint32_t>(state.range(0));
    TarnDataModel model;
    SectionSelection selection{model};
    BenchSupport::NullPreviewView view;
    BookPreviewController preview(model, selection, &view);
    model.Load(SavedBook(sections));
    bool dash = false;
    for (auto _ : state) {
        model.SetChoiceFormat(dash ? DashFormat : TurnToFormat);
        dash = !dash;
    }
}
BENCHMARK(PreviewChoiceFormatChange)->Arg(3000)->Unit(benchmark::kMillisecond);

// One edit, then the check the problems list runs on the next turn.
void ProblemsAfterOneEdit(benchmark::State& state)
{
    const auto sections = static_cast<std::uint32_t>(state.range(0));
    struct View : IProblemsView {
        void ShowProblems(const std::vector<ProblemRow>& rows) override { benchmark::DoNotOptimize(rows.size()); }
        void RunSoon(std::function<void()> step) override { steps.push_back(std::move(step)); }
        std::vector<std::function<void()>> steps;
    } view;
    TarnDataModel model;
    SectionSelection selection{model};
    ProblemsController problems(model, &view);
    model.Load(SavedBook(sections));
    bool text = false;
    for (auto _ : state) {
        model.SetSectionText(2, text ? L"Some text." : L"");
        text = !text;
        for (auto& step : std::exchange(view.steps, {})) {
            step();
        }
    }
}
BENCHMARK(ProblemsAfterOneEdit)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// One step of the play-test: a choice followed and its section's page made, along the
// first choice of each section from section 1, starting again at an ending.
void PlayStep(benchmark::State& state)
{
    const auto sections = static_cast<std::uint32_t>(state.range(0));
    struct View : IPlayView {
        void ShowPage(const PlayPage& shown) override { page = shown; }
        void ShowPath(const std::vector<std::uint32_t>& path, std::size_t) override { benchmark::DoNotOptimize(path.size()); }
        void EnableSteps(bool, bool) override {}
        void RunSoon(std::function<void()>) override {}
        PlayPage page;
    } view;
    TarnDataModel model;
    SectionSelection selection{model};
    PlayController play(model, &view);
    model.Load(SavedBook(sections));
    play.PlayFromStart();
    for (auto _ : state) {
        if (view.page.choices.empty()) {
            play.PlayFromStart();
        } else {
            play.Follow(view.page.choices.front().id);
        }
    }
}
BENCHMARK(PlayStep)->Arg(400)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
