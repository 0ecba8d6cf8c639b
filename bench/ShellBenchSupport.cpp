// SPDX-License-Identifier: MIT
#include "ShellBenchSupport.h"

#include "BookBuilder.h"
#include "shell/mainframe/CMainFrame.h"

#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace BenchSupport {

namespace {

// Made after the application object and destroyed before it.
std::unique_ptr<TarnGui::CTarnGuiApp> program;

}  // namespace

TarnGui::CTarnGuiApp& BenchProgram()
{
    if (!program) {
        const auto path = SavedGamebook(BenchBookSize());
        program = std::make_unique<TarnGui::CTarnGuiApp>();
        program->InitInstance({QStringLiteral("brindle-studio"), QString::fromStdString(path.string())}, false);
        program->MainFrame()->resize(1920, 1080);
        program->MainFrame()->show();
        QApplication::processEvents();
    }
    return *program;
}

}  // namespace BenchSupport

// The desktop benchmarks run the real program on Qt's offscreen platform.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    TarnGui::TarnApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    BenchSupport::program.reset();
    return 0;
}
