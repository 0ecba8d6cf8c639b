// SPDX-License-Identifier: MIT
#include "BookBuilder.h"

#include "export/ExportFile.h"
#include "printing/PdfBookWriter.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace TarnViewModel;

namespace {

// The whole PDF export: the book copied, laid out on A4, given its links and written.
void ExportPdf(benchmark::State& state)
{
    const auto model = BenchSupport::MakeDocument(static_cast<std::uint32_t>(state.range(0)));
    const std::wstring path = (std::filesystem::temp_directory_path() / "brindle-print-bench.pdf").wstring();
    for (auto _ : state) {
        const std::optional<std::string> pdf = Printing::WritePdfBook(Printing::CopyPrintedBook(*model->Snapshot()), {});
        ExportFile file(path, ReplacingFile::Sync::OnCommit, ExportFile::LineEnds::AsWritten);
        file.Stream() << *pdf;
        file.Close();
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
}
BENCHMARK(ExportPdf)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

// Laying out text needs the application object; no window is shown.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
