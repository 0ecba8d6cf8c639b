// SPDX-License-Identifier: MIT
#include "BookBuilder.h"
#include "search/BookSearch.h"

#include <benchmark/benchmark.h>

namespace {

using namespace TarnViewModel;

// Every match of a word that the generated books use everywhere, as Find All lists them.
void BM_FindAllOfACommonWord(benchmark::State& state)
{
    const SharedBook book = BenchSupport::MakeDocument(static_cast<std::uint32_t>(state.range(0)))->Snapshot();
    const Search::SearchPattern pattern(L"sword", {.wholeWord = true});
    std::size_t found = 0;
    for (auto _ : state) {
        found = Search::FindInBook(*book, pattern).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["matches"] = static_cast<double>(found);
}
BENCHMARK(BM_FindAllOfACommonWord)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_FindAllOfARegularExpression(benchmark::State& state)
{
    const SharedBook book = BenchSupport::MakeDocument(static_cast<std::uint32_t>(state.range(0)))->Snapshot();
    const Search::SearchPattern pattern(L"(\\w+) sword", {.regularExpression = true});
    for (auto _ : state) {
        benchmark::DoNotOptimize(Search::FindInBook(*book, pattern).size());
    }
}
BENCHMARK(BM_FindAllOfARegularExpression)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
