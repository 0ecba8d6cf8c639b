// SPDX-License-Identifier: MIT
#include "BookBuilder.h"
#include "HeapUse.h"

#include "document/BookFileWriter.h"
#include "document/RecoveryFiles.h"
#include "document/TarnDataModel.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

using namespace TarnViewModel;

namespace {

constexpr std::uint32_t Sections = 10000;

std::wstring BookPath()
{
    return (std::filesystem::temp_directory_path() / "brindle-bench.brindle").wstring();
}

// Writes the benchmark book once and gives its path.
const std::wstring& SavedBook()
{
    static const std::wstring path = [] {
        auto model = BenchSupport::MakeDocument(Sections);
        model->Save(BookPath());
        return BookPath();
    }();
    return path;
}

void SaveBook(benchmark::State& state)
{
    auto model = BenchSupport::MakeDocument(Sections);
    for (auto _ : state) {
        model->Save(BookPath());
    }
}
BENCHMARK(SaveBook)->Unit(benchmark::kMillisecond);

// The text of the file alone, without the disk.
void BookText(benchmark::State& state)
{
    auto model = BenchSupport::MakeDocument(Sections);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BookFileText(*model));
    }
}
BENCHMARK(BookText)->Unit(benchmark::kMillisecond);

// Opening the book in a new document, as at start-up or after New.
void LoadBook(benchmark::State& state)
{
    const std::wstring& path = SavedBook();
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<TarnDataModel>();
        state.ResumeTiming();
        model->Load(path);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadBook)->Unit(benchmark::kMillisecond);

// Opening the book over an open book of the same size, which is freed on the way.
void ReloadBook(benchmark::State& state)
{
    const std::wstring& path = SavedBook();
    TarnDataModel model;
    model.Load(path);
    for (auto _ : state) {
        model.Load(path);
    }
}
BENCHMARK(ReloadBook)->Unit(benchmark::kMillisecond);

// Peak heap memory added while a load runs, against the size of the file.
void LoadPeakMemory(benchmark::State& state)
{
    const std::wstring& path = SavedBook();
    const double fileMegabytes = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
    for (auto _ : state) {
        auto model = std::make_unique<TarnDataModel>();
        BenchSupport::HeapUse::ResetPeak();
        const std::size_t before = BenchSupport::HeapUse::Current();
        model->Load(path);
        const double peak = static_cast<double>(BenchSupport::HeapUse::Peak() - before) / (1024.0 * 1024.0);
        const double kept = static_cast<double>(BenchSupport::HeapUse::Current() - before) / (1024.0 * 1024.0);
        state.counters["file_MB"] = fileMegabytes;
        state.counters["peak_MB"] = peak;
        state.counters["book_MB"] = kept;
        state.counters["peak_per_file_size"] = peak / fileMegabytes;
    }
}
BENCHMARK(LoadPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// Autosave's work on the window's thread: the copy of the book handed to the worker after
// the author typed in a section, as the check and a search take it too.
void AutosaveCopy(benchmark::State& state)
{
    auto model = BenchSupport::MakeDocument(Sections);
    int step = 0;
    for (auto _ : state) {
        model->SetSectionText(Sections / 2, L"Edited text " + std::to_wstring(++step));
        benchmark::DoNotOptimize(model->Snapshot());
    }
}
BENCHMARK(AutosaveCopy)->Unit(benchmark::kMillisecond);

// Autosave's work on its worker: the recovery copy and its note, written and synced.
void AutosaveWrite(benchmark::State& state)
{
    auto model = BenchSupport::MakeDocument(Sections);
    const SharedBook book = model->Snapshot();
    const auto folder = std::filesystem::temp_directory_path() / "brindle-bench-recovery";
    RecoverySession session(folder.string());
    for (auto _ : state) {
        session.Write(*book, L"/books/big.brindle", std::chrono::system_clock::now());
    }
    session.Remove();
}
BENCHMARK(AutosaveWrite)->Unit(benchmark::kMillisecond);

}  // namespace
