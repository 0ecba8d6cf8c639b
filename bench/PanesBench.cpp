// SPDX-License-Identifier: MIT
#include "ShellBenchSupport.h"
#include "document/TarnDataModel.h"
#include "shell/mainframe/CMainFrame.h"
#include "shell/mainframe/CTarnGuiApp.h"
#include "shell/panes/COutlinePane.h"
#include "shell/panes/CSectionView.h"

#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

using namespace TarnGui;

namespace {

// Picking another section: the section editor, choices, properties, outline, preview and
// flowchart all follow, and the window repaints.
void BM_SelectSection(benchmark::State& state)
{
    TarnViewModel::SectionSelection& selection = BenchSupport::BenchProgram().MainFrame()->Selection();
    std::uint32_t number = 1;
    for (auto _ : state) {
        number = number % 2999 + 1 + (number * 7) % 2;
        selection.SetCurrentSection(number);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SelectSection)->Unit(benchmark::kMillisecond);

// One key typed into the section editor of the big book, with the window repainting.
void BM_TypeInSectionEditor(benchmark::State& state)
{
    CTarnTextEdit* editor = BenchSupport::BenchProgram().MainFrame()->SectionView()->TextBox();
    BenchSupport::BenchProgram().MainFrame()->Selection().SetCurrentSection(1500);
    editor->setFocus();
    QApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(editor, &press);
        QApplication::sendEvent(editor, &release);
        QApplication::processEvents();
    }
}
// A fixed count, so that the typed line stays the length of a real paragraph.
BENCHMARK(BM_TypeInSectionEditor)->Unit(benchmark::kMicrosecond)->Iterations(500);

// The outline filled with 10,000 entries, as a loaded book fills it.
void FillOutline(COutlinePane& pane)
{
    pane.ClearOutline();
    pane.BeginUpdate();
    for (std::uint32_t number = 1; number <= 10000; ++number) {
        pane.SetOutlineEntry(number, std::to_wstring(number) + L" - A room in the keep", {200, 220, 255}, number % 7 != 0);
    }
    pane.EndUpdate();
}

void BM_FillOutline(benchmark::State& state)
{
    TarnViewModel::TarnDataModel model;
    TarnViewModel::SectionSelection selection(model);
    COutlinePane pane(selection, nullptr);
    pane.resize(300, 1000);
    pane.show();
    for (auto _ : state) {
        FillOutline(pane);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FillOutline)->Unit(benchmark::kMillisecond)->Iterations(5);

// One page of scrolling through an outline of 10,000 entries, repainted at once.
void BM_ScrollOutline(benchmark::State& state)
{
    TarnViewModel::TarnDataModel model;
    TarnViewModel::SectionSelection selection(model);
    COutlinePane pane(selection, nullptr);
    FillOutline(pane);
    pane.resize(300, 1000);
    pane.show();
    QApplication::processEvents();
    QScrollBar* bar = pane.List()->verticalScrollBar();
    for (auto _ : state) {
        bar->triggerAction(bar->value() >= bar->maximum() ? QAbstractSlider::SliderToMinimum : QAbstractSlider::SliderPageStepAdd);
        pane.List()->viewport()->repaint();
    }
    state.counters["entries"] = pane.List()->model()->rowCount();
}
BENCHMARK(BM_ScrollOutline)->Unit(benchmark::kMillisecond);

}  // namespace

std::uint32_t BenchSupport::BenchBookSize()
{
    return 3000;
}
