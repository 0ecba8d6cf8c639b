// SPDX-License-Identifier: MIT
#include "BookBuilder.h"

#include "commands/UpdatePropertyCommand.h"
#include "document/TarnDataModel.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

using namespace TarnViewModel;

namespace {

constexpr std::uint32_t Sections = 10000;

std::unique_ptr<TarnDataModel> MakeBook()
{
    return BenchSupport::MakeDocument(Sections);
}

// A listener on every notification an edit raises, standing in for the views.
struct CountingListeners {
    explicit CountingListeners(TarnDataModel& model)
    {
        connections.emplace_back(model.ConnectChoiceAdded([this](const Choice&) { ++count; }));
        connections.emplace_back(model.ConnectChoiceDeleted([this](const Choice&, ChoiceDeleteCause) { ++count; }));
        connections.emplace_back(
            model.ConnectChoiceUpdated([this](const Choice&, const Choice&, ChoiceProperty, ChoiceUpdateReason) { ++count; }));
        connections.emplace_back(model.ConnectSectionAdded([this](const Section&) { ++count; }));
        connections.emplace_back(model.ConnectSectionDeleted([this](const Section&) { ++count; }));
        connections.emplace_back(model.ConnectSectionUpdated([this](std::uint32_t, const Section&, SectionProperty) { ++count; }));
        connections.emplace_back(model.ConnectUndoRedoChanged([this](bool, bool) { ++count; }));
    }
    long count = 0;
    std::vector<boost::signals2::scoped_connection> connections;
};

void RecordedTextEdit(TarnDataModel& model, std::uint32_t number, int step)
{
    auto command = std::make_unique<UpdatePropertyCommand1Arg<const std::wstring&>>(
        [&model, number](const std::wstring& text) { model.SetSectionText(number, text); }, model.GetStoryGraph().GetSection(number).text,
        L"Edited text " + std::to_wstring(step));
    command->Execute();
    model.RecordCommand(std::move(command));
}

void EditSectionText(benchmark::State& state)
{
    auto model = MakeBook();
    CountingListeners listeners(*model);
    int step = 0;
    for (auto _ : state) {
        RecordedTextEdit(*model, 5000, ++step);
    }
}
BENCHMARK(EditSectionText)->Unit(benchmark::kMicrosecond);

void AddChoiceToNewSection(benchmark::State& state)
{
    auto model = MakeBook();
    CountingListeners listeners(*model);
    for (auto _ : state) {
        model->AddChoiceTo(5000, Sections + 1, L"Onwards", false);
        state.PauseTiming();
        model->Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(AddChoiceToNewSection)->Unit(benchmark::kMicrosecond);

void DeleteSectionWithChoices(benchmark::State& state)
{
    auto model = MakeBook();
    CountingListeners listeners(*model);
    for (auto _ : state) {
        model->DeleteSectionAndChoices(4321);
        state.PauseTiming();
        model->Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(DeleteSectionWithChoices)->Unit(benchmark::kMicrosecond);

void RenumberWithSwap(benchmark::State& state)
{
    auto model = MakeBook();
    CountingListeners listeners(*model);
    for (auto _ : state) {
        model->SetSectionNumber(100, 9000);
    }
}
BENCHMARK(RenumberWithSwap)->Unit(benchmark::kMicrosecond);

void UndoRedoDeleteSection(benchmark::State& state)
{
    auto model = MakeBook();
    CountingListeners listeners(*model);
    model->DeleteSectionAndChoices(4321);
    for (auto _ : state) {
        model->Undo();
        model->Redo();
    }
    state.SetLabel("one undo and one redo per iteration");
}
BENCHMARK(UndoRedoDeleteSection)->Unit(benchmark::kMicrosecond);

void ShuffleTenPasses(benchmark::State& state)
{
    auto model = MakeBook();
    std::srand(1);
    for (auto _ : state) {
        model->Shuffle();
    }
}
BENCHMARK(ShuffleTenPasses)->Unit(benchmark::kMillisecond)->Iterations(3);

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

void BookWithFullHistoryMemory(benchmark::State& state)
{
    for (auto _ : state) {
        const long before = ResidentKilobytes();
        auto model = MakeBook();
        for (int step = 0; step < 200; ++step) {
            if (step % 2 == 0) {
                RecordedTextEdit(*model, 1 + static_cast<std::uint32_t>(step) * 37, step);
            } else {
                model->DeleteSectionAndChoices(8000 + static_cast<std::uint32_t>(step));
            }
        }
        model->Shuffle();
        state.counters["resident_MB"] = static_cast<double>(ResidentKilobytes() - before) / 1024.0;
    }
}
BENCHMARK(BookWithFullHistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
