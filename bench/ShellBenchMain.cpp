#include "ShellBenchMain.h"
#include "shell/CTarnGuiApp.h"

#include <QStandardPaths>

#include <benchmark/benchmark.h>

// The desktop benchmarks run the real program on Qt's offscreen platform.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    TarnGui::TarnApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CloseBenchBook();
    return 0;
}
