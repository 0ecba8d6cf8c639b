// SPDX-License-Identifier: MIT
#include "ShellBenchSupport.h"
#include "drawing/FlowchartImage.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/mainframe/CMainFrame.h"
#include "shell/mainframe/CTarnGuiApp.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

using namespace TarnGui;

namespace {

CFlowchart& Chart()
{
    return *BenchSupport::BenchProgram().MainFrame()->FlowchartPane()->Chart();
}

// Everything the chart pane of a full-HD window shows at 100 %, painted as its paint event
// paints it.
void BM_PaintVisibleChart(benchmark::State& state)
{
    CFlowchart& chart = Chart();
    chart.SetZoom(1.0);
    QApplication::processEvents();
    for (auto _ : state) {
        chart.viewport()->repaint();
    }
    state.counters["width"] = chart.viewport()->width();
    state.counters["height"] = chart.viewport()->height();
}
BENCHMARK(BM_PaintVisibleChart)->Unit(benchmark::kMillisecond);

// The whole 1,000-section chart painted at 100 %, as if the window were as big as the chart.
void BM_PaintWholeChart(benchmark::State& state)
{
    const CFlowchart& chart = Chart();
    QImage surface(1920, 1080, QImage::Format_RGB32);
    const QRectF everything(-Drawing::ChartMargin, -Drawing::ChartMargin, chart.Scene().graphWidth + 2 * Drawing::ChartMargin,
                            chart.Scene().graphHeight + 2 * Drawing::ChartMargin);
    for (auto _ : state) {
        QPainter painter(&surface);
        Drawing::PaintScene(painter, chart.Scene(), chart.Fonts(), everything, true);
    }
}
BENCHMARK(BM_PaintWholeChart)->Unit(benchmark::kMillisecond);

// One line of scrolling, which moves what is drawn and paints the uncovered strip.
void BM_ScrollStep(benchmark::State& state)
{
    CFlowchart& chart = Chart();
    chart.SetZoom(1.0);
    QApplication::processEvents();
    QScrollBar* bar = chart.verticalScrollBar();
    bar->setValue(0);
    for (auto _ : state) {
        bar->triggerAction(bar->value() >= bar->maximum() ? QAbstractSlider::SliderToMinimum : QAbstractSlider::SliderSingleStepAdd);
        chart.viewport()->repaint(chart.viewport()->visibleRegion());
    }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMillisecond);

// One zoom step, which repaints the whole window.
void BM_ZoomStep(benchmark::State& state)
{
    CFlowchart& chart = Chart();
    bool out = true;
    for (auto _ : state) {
        chart.SetZoom(out ? 0.9 : 1.0);
        chart.viewport()->repaint();
        out = !out;
    }
    chart.SetZoom(1.0);
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

// Drawing the export image alone, without encoding it.
void BM_RenderChartImage(benchmark::State& state)
{
    const CFlowchart& chart = Chart();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Drawing::RenderFlowchartImage(chart.Scene(), chart.Fonts(), 1.0));
    }
}
BENCHMARK(BM_RenderChartImage)->Unit(benchmark::kMillisecond)->Iterations(2);

// The Export Graph image of the 1,000-section chart: drawn, then encoded, at 100 % and 50 %.
void BM_ExportChartImage(benchmark::State& state)
{
    const CFlowchart& chart = Chart();
    const double zoom = static_cast<double>(state.range(0)) / 100.0;
    const auto type = static_cast<Drawing::ImageType>(state.range(1));
    const auto path = std::filesystem::temp_directory_path() / "brindle-bench-chart.img";
    for (auto _ : state) {
        Drawing::WriteFlowchartImage(Drawing::RenderFlowchartImage(chart.Scene(), chart.Fonts(), zoom),
                                     QString::fromStdString(path.string()), type);
    }
    const QSize size = Drawing::FlowchartImageSize(chart.Scene(), chart.Fonts(), zoom);
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportChartImage)
    ->Args({100, static_cast<int>(Drawing::ImageType::Png)})
    ->Args({100, static_cast<int>(Drawing::ImageType::Bmp)})
    ->Args({50, static_cast<int>(Drawing::ImageType::Png)})
    ->Args({50, static_cast<int>(Drawing::ImageType::Gif)})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace

std::uint32_t BenchSupport::BenchBookSize()
{
    return 1000;
}
