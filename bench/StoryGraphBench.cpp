// SPDX-License-Identifier: MIT
#include "BookBuilder.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace TarnViewModel;
using BenchSupport::BookRecords;

namespace {

constexpr std::uint32_t Sections = 10000;

const BookRecords& Book()
{
    static const BookRecords book = BenchSupport::MakeGamebookRecords(Sections);
    return book;
}

void NewIds(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(NewId());
    }
}
BENCHMARK(NewIds);

void BuildWholeGraph(benchmark::State& state)
{
    const BookRecords& book = Book();
    for (auto _ : state) {
        auto graph = std::make_unique<StoryGraph>(BenchSupport::BuildGraph(book));
        benchmark::DoNotOptimize(graph);
        state.PauseTiming();
        graph.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BuildWholeGraph)->Unit(benchmark::kMillisecond);

void AddAndDeleteSection(benchmark::State& state)
{
    StoryGraph graph = BenchSupport::BuildGraph(Book());
    Section section;
    section.number = Sections + 1;
    for (auto _ : state) {
        graph.AddSection(section);
        graph.DeleteSection(section.number);
    }
}
BENCHMARK(AddAndDeleteSection);

void AddAndDeleteChoice(benchmark::State& state)
{
    StoryGraph graph = BenchSupport::BuildGraph(Book());
    Choice choice;
    choice.source = Sections / 2;
    choice.destination = 17;
    choice.order = 1;
    for (auto _ : state) {
        graph.AddChoice(choice);
        graph.DeleteChoice(choice.id);
    }
}
BENCHMARK(AddAndDeleteChoice);

void LookUpByNumber(benchmark::State& state)
{
    StoryGraph graph = BenchSupport::BuildGraph(Book());
    std::uint32_t number = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(graph.GetSection(number));
        number = number % Sections + 1;
    }
}
BENCHMARK(LookUpByNumber);

void ChoicesFromSection(benchmark::State& state)
{
    StoryGraph graph = BenchSupport::BuildGraph(Book());
    std::uint32_t number = 1;
    for (auto _ : state) {
        graph.VisitSectionChoices(number, false, [](const Choice& c) { benchmark::DoNotOptimize(c); });
        number = number % Sections + 1;
    }
}
BENCHMARK(ChoicesFromSection);

void ChoicesFromAndToSection(benchmark::State& state)
{
    StoryGraph graph = BenchSupport::BuildGraph(Book());
    std::uint32_t number = 1;
    for (auto _ : state) {
        graph.VisitChoicesOfSections({number}, [](const Choice& c) { benchmark::DoNotOptimize(c); });
        number = number % Sections + 1;
    }
}
BENCHMARK(ChoicesFromAndToSection);

void UpdateSectionText(benchmark::State& state)
{
    StoryGraph graph = BenchSupport::BuildGraph(Book());
    Section section = graph.GetSection(Sections / 2);
    for (auto _ : state) {
        section.text[0] = section.text[0] == L'Y' ? L'y' : L'Y';
        graph.UpdateSection(section.number, section);
    }
}
BENCHMARK(UpdateSectionText);

void UpdateChoiceOrder(benchmark::State& state)
{
    StoryGraph graph = BenchSupport::BuildGraph(Book());
    Choice choice = Book().choices.front();
    choice = graph.GetChoice(choice.id);
    for (auto _ : state) {
        choice.order = choice.order == 1 ? 2 : 1;
        graph.UpdateChoice(choice.id, choice);
    }
}
BENCHMARK(UpdateChoiceOrder);

void RenumberSectionWithSwap(benchmark::State& state)
{
    StoryGraph graph = BenchSupport::BuildGraph(Book());
    std::uint32_t from = 100, to = 9000;
    for (auto _ : state) {
        Section section = graph.GetSection(from);
        section.number = to;
        graph.UpdateSection(from, section);
        std::swap(from, to);
    }
}
BENCHMARK(RenumberSectionWithSwap);

void DeleteSectionWithChoices(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        StoryGraph graph = BenchSupport::BuildGraph(Book());
        std::vector<Uuid> attached;
        graph.VisitChoicesOfSections({Sections / 3}, [&](const Choice& c) { attached.push_back(c.id); });
        state.ResumeTiming();
        for (const Uuid& id : attached) {
            graph.DeleteChoice(id);
        }
        graph.DeleteSection(Sections / 3);
        state.PauseTiming();
        graph = StoryGraph();
        state.ResumeTiming();
    }
}
BENCHMARK(DeleteSectionWithChoices)->Iterations(20);

}  // namespace
