// SPDX-License-Identifier: MIT
#include "BookBuilder.h"
#include "analysis/BookCheck.h"
#include "analysis/BookStats.h"

#include <benchmark/benchmark.h>

namespace {

template <class Analyse>
void AnalyseBook(benchmark::State& state, Analyse analyse)
{
    const auto model = BenchSupport::MakeDocument(static_cast<std::uint32_t>(state.range(0)));
    const TarnViewModel::SharedBook book = model->Snapshot();
    for (auto _ : state) {
        benchmark::DoNotOptimize(analyse(*book));
    }
}

// The check the problems list runs after a change to the book's structure, and the counts
// the statistics show, words included.
BENCHMARK_CAPTURE(AnalyseBook, Check, &Analysis::CheckBook)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnalyseBook, Count, &Analysis::CountBook)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
