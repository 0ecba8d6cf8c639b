// SPDX-License-Identifier: MIT
#include "BookBuilder.h"

#include "export/ExportFile.h"
#include "export/ExporterSelection.h"
#include "export/MultiPageExport.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace TarnViewModel;

namespace {

constexpr std::uint32_t Sections = 10000;

const TarnDataModel& Book()
{
    static const auto model = BenchSupport::MakeDocument(Sections);
    return *model;
}

// One single-file export into a file, as the export command writes it.
void ExportSingleFile(benchmark::State& state)
{
    const TarnDataModel& model = Book();
    const std::wstring path = (std::filesystem::temp_directory_path() / "brindle-export-bench").wstring();
    for (auto _ : state) {
        ExportFile file(path, ReplacingFile::Sync::OnCommit, ExportLineEnds(static_cast<int>(state.range(0))));
        const TarnViewModel::SharedBook book = model.Snapshot();
        CreateBookExporter(*book, static_cast<int>(state.range(0)))->Export(*book, file.Stream());
        file.Close();
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
}
// File types: 1 text, 2 Rich Text, 3 HTML, 4 XML, 5 JSON, 6 ChoiceScript, 7 EPUB, 9 Twee (8,
// PDF, is in print_bench).
BENCHMARK(ExportSingleFile)->DenseRange(1, 7)->Arg(9)->Unit(benchmark::kMillisecond);

void ExportMultiPage(benchmark::State& state)
{
    const TarnDataModel& model = Book();
    const auto folder = std::filesystem::temp_directory_path() / "brindle-pages-bench";
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        ExportPages(*model.Snapshot(), folder.wstring());
    }
}
BENCHMARK(ExportMultiPage)->Unit(benchmark::kMillisecond);

}  // namespace
