// SPDX-License-Identifier: MIT
#include "BookBuilder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A generated gamebook of 10,000 sections.
const std::string& BigBook()
{
    static const std::string path = BenchSupport::SavedGamebook(10000).string();
    return path;
}

// The whole process, started from a shell as a script starts it, loading included.
void RunBrindle(benchmark::State& state, const std::string& arguments)
{
    const std::string line = "'" BRINDLE_CLI "' " + arguments + " '" + BigBook() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        const int status = std::system(line.c_str());
        benchmark::DoNotOptimize(status);
    }
}

void BM_Check(benchmark::State& state)
{
    RunBrindle(state, "check");
}
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);

void BM_Stats(benchmark::State& state)
{
    RunBrindle(state, "stats");
}
BENCHMARK(BM_Stats)->Unit(benchmark::kMillisecond);

void BM_ExportHtml(benchmark::State& state)
{
    const auto out = (std::filesystem::temp_directory_path() / "brindle-bench-book.html").string();
    RunBrindle(state, "export --format html -o '" + out + "'");
    std::filesystem::remove(out);
}
BENCHMARK(BM_ExportHtml)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
