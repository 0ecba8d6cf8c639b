// SPDX-License-Identifier: MIT
#include "BookBuilder.h"
#include "EventLoopStalls.h"
#include "document/RecoveryFiles.h"
#include "document/TarnDataModel.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/mainframe/BookAutosave.h"
#include "shell/mainframe/CMainFrame.h"
#include "shell/mainframe/CTarnGuiApp.h"
#include "shell/mainframe/WindowLayout.h"
#include "shell/panes/CFindReplacePane.h"
#include "shell/panes/CPlayPane.h"
#include "shell/panes/CProblemsPane.h"
#include "shell/panes/CSectionView.h"
#include "shell/spelling/SpellingHighlighter.h"
#include "shell/spelling/SpellingService.h"
#include "shell/support/StringTable.h"
#include "spelling/SpellingWords.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

using namespace TarnGui;

namespace {

// Made after the application object and destroyed before it.
std::unique_ptr<CTarnGuiApp> program;

CTarnGuiApp& Program()
{
    if (!program) {
        program = std::make_unique<CTarnGuiApp>();
        program->InitInstance({QStringLiteral("brindle-studio")}, false);
        program->MainFrame()->resize(1920, 1080);
        program->MainFrame()->show();
        QApplication::processEvents();
    }
    return *program;
}

CFlowchartPane& Chart()
{
    return *Program().MainFrame()->FlowchartPane();
}

void WaitForLayout()
{
    bool settled = false;
    Chart().WhenLaidOut([&settled] { settled = true; });
    while (!settled) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// Saves the edited book aside, so that opening another asks nothing.
void SetAside()
{
    static const auto scratch = std::filesystem::temp_directory_path() / "brindle-live-bench-scratch.brindle";
    if (Program().Document().IsModified()) {
        Program().Document().Save(scratch.wstring());
    }
}

// Runs the event loop until the preview holds the whole book, and gives the longest turn of
// the loop meanwhile: the longest the window went without answering.
double FillPreview()
{
    double longest = 0;
    while (!Program().MainFrame()->PreviewFilled()) {
        QElapsedTimer turn;
        turn.start();
        QApplication::processEvents();
        longest = std::max(longest, turn.nsecsElapsed() / 1e6);
    }
    return longest;
}

// Opens the book and lets the window settle: every pane filled, the chart laid out.
void OpenSettled(std::uint32_t sections)
{
    const QString path = QString::fromStdString(BenchSupport::SavedGamebook(sections).string());
    SetAside();
    Program().MainFrame()->OpenFile(path);
    QApplication::processEvents();
    WaitForLayout();
    FillPreview();
}

// A line of the kernel's account of the program's memory, in megabytes.
double StatusMegabytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(field.size())) / 1024.0;
        }
    }
    return 0;
}

double PeakResidentMegabytes()
{
    return StatusMegabytes("VmHWM:");
}

double ResidentMegabytes()
{
    return StatusMegabytes("VmRSS:");
}

// Hands freed memory back and starts the peak again from what the program holds now, so that
// the peak measured next is that of the work that follows, not of making the test book.
void RestartPeakResident()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

// From Open to a window whose panes are all filled and answer input; the chart may still be
// laying out.
void BM_OpenToUsable(benchmark::State& state)
{
    const auto sections = static_cast<std::uint32_t>(state.range(0));
    const QString path = QString::fromStdString(BenchSupport::SavedGamebook(sections).string());
    Program();
    double filled = 0;
    double stall = 0;
    for (auto _ : state) {
        state.PauseTiming();
        SetAside();
        WaitForLayout();
        FillPreview();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        Program().MainFrame()->OpenFile(path);
        QApplication::processEvents();
        state.PauseTiming();
        stall = std::max(stall, FillPreview());
        filled = std::max(filled, timer.nsecsElapsed() / 1e6);
        state.ResumeTiming();
    }
    WaitForLayout();
    state.counters["preview_filled_ms"] = filled;
    state.counters["fill_stall_ms"] = stall;
    state.counters["peak_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_OpenToUsable)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One edit of each kind with the event loop's stall it causes (the edit and the repaint
// after it), and the time until the chart shows the layout that follows it.
struct Edit {
    using Step = std::function<void(TarnViewModel::TarnDataModel&, CMainFrame&)>;
    const char* name;
    Step run;
    // Done before the edit and not measured.
    Step prepare = [](TarnViewModel::TarnDataModel&, CMainFrame&) {};
};

void AddChoiceToNewSection(TarnViewModel::TarnDataModel& model, CMainFrame&)
{
    model.AddChoiceTo(7, model.GetStoryGraph().LastSectionNumber() + 1, L"Onwards", false);
}

const std::vector<Edit>& Edits()
{
    static const std::vector<Edit> edits{
        {"type_and_leave_text",
         [](TarnViewModel::TarnDataModel&, CMainFrame& frame) {
             frame.Selection().SetCurrentSection(7);
             frame.SectionView()->TextBox()->appendPlainText(QStringLiteral("And then the torch goes out."));
             frame.SectionView()->CommitText();
         }},
        {"choice_to_new_section", AddChoiceToNewSection},
        {"renumber_with_swap", [](TarnViewModel::TarnDataModel& model, CMainFrame&) { model.SetSectionNumber(9, 10); }},
        {"delete_section", [](TarnViewModel::TarnDataModel& model, CMainFrame&) { model.DeleteSectionAndChoices(11); }},
        {"undo", [](TarnViewModel::TarnDataModel&, CMainFrame& frame) { frame.OnUndo(); }, AddChoiceToNewSection},
        {"redo", [](TarnViewModel::TarnDataModel&, CMainFrame& frame) { frame.OnRedo(); },
         [](TarnViewModel::TarnDataModel& model, CMainFrame& frame) {
             AddChoiceToNewSection(model, frame);
             frame.OnUndo();
         }},
        {"shuffle", [](TarnViewModel::TarnDataModel&, CMainFrame& frame) { frame.OnShuffleSections(); }},
    };
    return edits;
}

// Runs the event loop as the window does, waiting for input between turns, until every pane
// holds the book and the chart shows its final layout.
void Settle()
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (Chart().LayoutSettled() && Program().MainFrame()->PreviewFilled()) {
            loop.quit();
        }
    });
    poll.start(5);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// The longest the window goes without answering input from the moment a save or an export
// of the book is asked for until it has ended: the work on the window's thread (the snapshot,
// the outcome) and every turn of its event loop meanwhile. A question it asks at the end is
// answered No at once.
double LongestStallDuring(const std::function<void()>& start)
{
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    answer.start(5);
    const BenchSupport::EventLoopStalls stalls;
    start();
    while (Program().MainFrame()->BookJobsBusy()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QApplication::processEvents();
    return stalls.LongestMs();
}

// Save, in the window, of the 10,000-section book with a change: range(0) 0 writes it from a
// snapshot on the worker; 1 writes it on the window's thread, as every save did before.
void BM_SaveStall(benchmark::State& state)
{
    OpenSettled(10000);
    RestartPeakResident();
    const std::wstring path = (std::filesystem::temp_directory_path() / "brindle-bench-save.brindle").wstring();
    double stall = 0;
    for (auto _ : state) {
        Program().Document().SetSectionText(1, L"Edited " + std::to_wstring(stall));
        Settle();
        stall = std::max(stall, LongestStallDuring([&] {
                             if (state.range(0) == 0) {
                                 Program().MainFrame()->StartSave({path, false});
                             } else {
                                 Program().Document().Save(path);
                             }
                         }));
    }
    state.counters["longest_stall_ms"] = stall;
    state.counters["peak_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_SaveStall)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// Every export of the 10,000-section book from the window, by the save dialog's file type
// index (1 text to 9 Twee), 10 for a page per section and 11 for the PDF.
void BM_ExportStall(benchmark::State& state)
{
    OpenSettled(10000);
    RestartPeakResident();
    const double open = ResidentMegabytes();
    const auto index = static_cast<int>(state.range(0));
    const auto output = std::filesystem::temp_directory_path() / ("brindle-bench-export-" + std::to_string(index));
    double stall = 0;
    for (auto _ : state) {
        stall = std::max(stall, LongestStallDuring([&] {
                             CMainFrame& frame = *Program().MainFrame();
                             if (index == 10) {
                                 std::filesystem::create_directories(output);
                                 frame.StartPagesExport(QString::fromStdString(output.string()));
                             } else if (index == 11) {
                                 frame.StartPdfExport(QString::fromStdString(output.string()), {});
                             } else {
                                 frame.StartExport(QString::fromStdString(output.string()), index);
                             }
                         }));
    }
    std::filesystem::remove_all(output);
    state.counters["longest_stall_ms"] = stall;
    state.counters["open_MB"] = open;
    state.counters["peak_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_ExportStall)->DenseRange(1, 11)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_Edit(benchmark::State& state, std::size_t editIndex)
{
    const auto sections = static_cast<std::uint32_t>(state.range(0));
    OpenSettled(sections);
    const Edit& edit = Edits()[editIndex];
    edit.prepare(Program().Document(), *Program().MainFrame());
    Settle();
    double editing = 0;
    double later = 0;
    double toChart = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const BenchSupport::EventLoopStalls stalls;
        edit.run(Program().Document(), *Program().MainFrame());
        Settle();
        editing = std::max(editing, stalls.FirstMs());
        later = std::max(later, stalls.LongestAfterFirstMs());
        toChart = std::max(toChart, timer.nsecsElapsed() / 1e6);
    }
    state.counters["stall_ms"] = std::max(editing, later);
    // The edit up to the event loop's first wait for input, and the longest turn of the loop
    // after it: the preview filling in, the chart taking its new layout.
    state.counters["edit_ms"] = editing;
    state.counters["later_ms"] = later;
    state.counters["chart_ms"] = toChart;
}

// An autosave after an edit has settled: the stall of the window while the copy of the book
// is taken, and the whole of the work until the copy is on disk.
void BM_Autosave(benchmark::State& state)
{
    OpenSettled(static_cast<std::uint32_t>(state.range(0)));
    double stall = 0;
    double work = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Program().Document().SetTitle(L"Autosaved " + std::to_wstring(work));
        QApplication::processEvents();
        FillPreview();
        WaitForLayout();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        Program().MainFrame()->Autosave().Tick();
        QApplication::processEvents();
        stall = std::max(stall, timer.nsecsElapsed() / 1e6);
        Program().MainFrame()->Autosave().Finish();
        work = std::max(work, timer.nsecsElapsed() / 1e6);
    }
    state.counters["stall_ms"] = stall;
    state.counters["work_ms"] = work;
}
BENCHMARK(BM_Autosave)->Arg(400)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// From making the program to its first window, empty, shown and painted.
void DiscardRecoveryCopies()
{
    for (const auto& copy : TarnViewModel::FindRecoveryCopies()) {
        TarnViewModel::DiscardRecoveryCopy(copy);
    }
}

void BM_StartupToEmptyWindow(benchmark::State& state)
{
    DiscardRecoveryCopies();
    for (auto _ : state) {
        auto started = std::make_unique<CTarnGuiApp>();
        started->InitInstance({QStringLiteral("brindle-studio")}, false);
        QApplication::processEvents();
        state.PauseTiming();
        started.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToEmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// Putting back the place of the window and the arrangement of its panes, which start-up
// does when the author has left them.
void BM_RestoreLayout(benchmark::State& state)
{
    DiscardRecoveryCopies();
    auto started = std::make_unique<CTarnGuiApp>();
    started->InitInstance({QStringLiteral("brindle-studio")}, false);
    QApplication::processEvents();
    SaveWindowLayout(*started->MainFrame());
    for (auto _ : state) {
        benchmark::DoNotOptimize(RestoreWindowLayout(*started->MainFrame()));
    }
    QSettings().remove(QStringLiteral("window"));
}
BENCHMARK(BM_RestoreLayout)->Unit(benchmark::kMillisecond)->Iterations(20);

// Start-up with copies of three 10,000-section books left by a session that was killed:
// from making the program to the offer on the screen.
void BM_StartupToRecoveryOffer(benchmark::State& state)
{
    {
        auto book = BenchSupport::MakeDocument(10000);
        for (int copy = 0; copy < 3; ++copy) {
            TarnViewModel::RecoverySession session;
            session.Write(*book->Snapshot(), L"/books/big.brindle", std::chrono::system_clock::now());
        }
    }
    double toOffer = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* offer = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                toOffer = std::max(toOffer, timer.nsecsElapsed() / 1e6);
                offer->reject();
            }
        });
        poll.start(1);
        auto second = std::make_unique<CTarnGuiApp>();
        second->InitInstance({QStringLiteral("brindle-studio")}, false);
    }
    DiscardRecoveryCopies();
    state.counters["to_offer_ms"] = toOffer;
}
BENCHMARK(BM_StartupToRecoveryOffer)->Unit(benchmark::kMillisecond)->Iterations(3);

// Runs the event loop as the window does until the list's model is filled anew, and gives
// the time it took.
double UntilListed(QListView* list, const std::function<void()>& start)
{
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    const QMetaObject::Connection listed =
        QObject::connect(list->model(), &QAbstractItemModel::modelReset, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(listed);
    return timer.nsecsElapsed() / 1e6;
}

// A common word typed into the find box, until every match is listed; the stall is the
// longest the window went without reading the author's keys meanwhile.
void BM_FindAll(benchmark::State& state)
{
    OpenSettled(static_cast<std::uint32_t>(state.range(0)));
    CFindReplacePane& pane = *Program().MainFrame()->FindReplacePane();
    pane.Open(false);
    double stall = 0;
    for (auto _ : state) {
        state.PauseTiming();
        UntilListed(pane.List(), [&] { pane.FindBox()->setText(QStringLiteral("gol")); });
        state.ResumeTiming();
        const BenchSupport::EventLoopStalls stalls;
        UntilListed(pane.List(), [&] { pane.FindBox()->setText(QStringLiteral("gold")); });
        stall = std::max(stall, stalls.LongestMs());
    }
    state.counters["matches"] = pane.List()->model()->rowCount();
    state.counters["stall_ms"] = stall;
    pane.FindBox()->clear();
    Settle();
}
BENCHMARK(BM_FindAll)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Replace All of a few thousand matches, then its undo and its redo: each one's stall of the
// window, and the longest turn of the loop after it while the panes catch up.
void BM_ReplaceAll(benchmark::State& state)
{
    OpenSettled(static_cast<std::uint32_t>(state.range(0)));
    CMainFrame& frame = *Program().MainFrame();
    CFindReplacePane& pane = *frame.FindReplacePane();
    pane.Open(true);
    pane.MatchCaseBox()->setChecked(true);
    pane.WholeWordBox()->setChecked(true);
    pane.RegularExpressionBox()->setChecked(true);
    UntilListed(pane.List(), [&] { pane.FindBox()->setText(QStringLiteral("Wizard|Door|the gold")); });
    const int matches = pane.List()->model()->rowCount();
    pane.ReplaceBox()->setText(QStringLiteral("Sorcerer"));
    const auto measure = [](const std::function<void()>& step, double& first, double& later) {
        const BenchSupport::EventLoopStalls stalls;
        step();
        Settle();
        first = std::max(first, stalls.FirstMs());
        later = std::max(later, stalls.LongestAfterFirstMs());
    };
    double replace = 0, replaceLater = 0, undo = 0, undoLater = 0, redo = 0, redoLater = 0;
    for (auto _ : state) {
        measure([&] { pane.ReplaceAllButton()->click(); }, replace, replaceLater);
        measure([&] { frame.OnUndo(); }, undo, undoLater);
        measure([&] { frame.OnRedo(); }, redo, redoLater);
        state.PauseTiming();
        frame.OnUndo();
        Settle();
        state.ResumeTiming();
    }
    state.counters["matches"] = matches;
    state.counters["replace_ms"] = replace;
    state.counters["undo_ms"] = undo;
    state.counters["redo_ms"] = redo;
    state.counters["later_ms"] = std::max({replaceLater, undoLater, redoLater});
    pane.FindBox()->clear();
    Settle();
}
BENCHMARK(BM_ReplaceAll)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One edit of a section's text with the problems pane shown, until the pane lists the
// problems of the book as it now is.
void BM_ProblemsAfterEdit(benchmark::State& state)
{
    OpenSettled(static_cast<std::uint32_t>(state.range(0)));
    CMainFrame& frame = *Program().MainFrame();
    frame.Action(Strings::ShowProblems)->trigger();
    QListView* list = frame.ProblemsPane()->List();
    UntilListed(list, [] {});
    double check = 0;
    bool empty = false;
    for (auto _ : state) {
        const BenchSupport::EventLoopStalls stalls;
        UntilListed(list, [&] { Program().Document().SetSectionText(2, empty ? L"Some text." : L""); });
        empty = !empty;
        check = std::max(check, stalls.LongestAfterFirstMs());
    }
    // The longest turn of the loop after the edit, whichever pane it served.
    state.counters["longest_turn_ms"] = check;
    frame.Action(Strings::ShowProblems)->trigger();
    Settle();
}
BENCHMARK(BM_ProblemsAfterEdit)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(10);

// Spell checking switched on or off, with the dictionary read when on.
void SetSpelling(bool on)
{
    CMainFrame& frame = *Program().MainFrame();
    frame.Action(Strings::CheckSpelling)->setChecked(on);
    frame.Spelling().SetEnabled(on);
    frame.Spelling().FinishLoading();
    QApplication::processEvents();
}

// One letter typed at the end of a section's first paragraph, with spell checking on (1) or
// off (0): the stall of the window from the key to its first wait for input.
void BM_SpellingKeystroke(benchmark::State& state)
{
    OpenSettled(static_cast<std::uint32_t>(state.range(0)));
    SetSpelling(state.range(1) != 0);
    CMainFrame& frame = *Program().MainFrame();
    frame.Selection().SetCurrentSection(7);
    QPlainTextEdit* editor = frame.SectionView()->TextBox();
    editor->setFocus();
    QTextCursor cursor = editor->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::EndOfBlock);
    editor->setTextCursor(cursor);
    Settle();
    double keystroke = 0;
    for (auto _ : state) {
        const BenchSupport::EventLoopStalls stalls;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"));
        QApplication::sendEvent(editor, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"));
        QApplication::sendEvent(editor, &release);
        QApplication::processEvents();
        keystroke = std::max(keystroke, stalls.LongestMs());
    }
    state.counters["paragraph_words"] = static_cast<double>(Spelling::FindWords(editor->document()->begin().text().toStdWString()).size());
    state.counters["keystroke_ms"] = keystroke;
    frame.SectionView()->CommitText();
    SetSpelling(true);
    Settle();
}
BENCHMARK(BM_SpellingKeystroke)
    ->Args({400, 0})
    ->Args({400, 1})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// The section editor's visible page checked against the dictionary: a section of forty
// sections' texts, every paragraph in view checked by a dictionary just read, which has met
// none of its words before; then once more by the same dictionary.
void BM_SpellCheckPage(benchmark::State& state)
{
    OpenSettled(static_cast<std::uint32_t>(state.range(0)));
    CMainFrame& frame = *Program().MainFrame();
    TarnViewModel::TarnDataModel& book = Program().Document();
    std::wstring page;
    for (std::uint32_t number = 100; number < 140; ++number) {
        page += book.GetStoryGraph().GetSection(number).text + L"\r\n";
    }
    book.SetSectionText(7, page);
    frame.Selection().SetCurrentSection(7);
    Settle();
    for (auto _ : state) {
        state.PauseTiming();
        SetSpelling(false);
        frame.Spelling().SetEnabled(true);
        frame.Spelling().FinishLoading();
        state.ResumeTiming();
        // Takes in the dictionary read, which marks the page in view.
        QApplication::processEvents();
    }
    QPlainTextEdit* editor = frame.SectionView()->TextBox();
    QElapsedTimer timer;
    timer.start();
    editor->findChild<SpellingHighlighter*>()->SetChecker(frame.Spelling().Checker());
    state.counters["warm_ms"] = timer.nsecsElapsed() / 1e6;
    int words = 0;
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
        if (block.userState() == 1) {
            words += static_cast<int>(Spelling::FindWords(block.text().toStdWString()).size());
        }
    }
    state.counters["checked_words"] = words;
    frame.Action(Strings::CheckSpelling)->setChecked(true);
    frame.OnUndo();
    Settle();
}
BENCHMARK(BM_SpellCheckPage)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(20);

// Start-up to the first window with spell checking on (1) or off (0); the dictionary is read
// on a worker, and how long that takes is counted apart.
void BM_StartupWithSpelling(benchmark::State& state)
{
    DiscardRecoveryCopies();
    QSettings().setValue(QStringLiteral("spelling/checkAsYouType"), state.range(0) != 0);
    double dictionary = 0;
    for (auto _ : state) {
        auto started = std::make_unique<CTarnGuiApp>();
        started->InitInstance({QStringLiteral("brindle-studio")}, false);
        QApplication::processEvents();
        state.PauseTiming();
        QElapsedTimer timer;
        timer.start();
        started->MainFrame()->Spelling().FinishLoading();
        dictionary = std::max(dictionary, timer.nsecsElapsed() / 1e6);
        started.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["dictionary_after_ms"] = dictionary;
    QSettings().remove(QStringLiteral("spelling/checkAsYouType"));
}
BENCHMARK(BM_StartupWithSpelling)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// A choice followed in the play pane, with the path marked in the chart and the outline: the
// stall of the window from the click to its first wait for input.
void BM_PlayStep(benchmark::State& state)
{
    OpenSettled(static_cast<std::uint32_t>(state.range(0)));
    CMainFrame& frame = *Program().MainFrame();
    CPlayPane& pane = *frame.PlayPane();
    frame.Action(Strings::PlayFromStart)->trigger();
    Settle();
    double step = 0;
    double later = 0;
    for (auto _ : state) {
        if (pane.ChoiceButtons().empty()) {
            state.PauseTiming();
            frame.Action(Strings::PlayFromStart)->trigger();
            Settle();
            state.ResumeTiming();
        }
        const BenchSupport::EventLoopStalls stalls;
        pane.ChoiceButtons().front()->click();
        Settle();
        step = std::max(step, stalls.FirstMs());
        later = std::max(later, stalls.LongestAfterFirstMs());
    }
    state.counters["step_ms"] = step;
    state.counters["later_ms"] = later;
    state.counters["path"] = static_cast<double>(pane.Path()->count());
    pane.close();
    Settle();
}
BENCHMARK(BM_PlayStep)->Arg(400)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The plain Unix event dispatcher marks every waking and every wait, which the stall meter
    // times.
    qputenv("QT_NO_GLIB", "1");
    QStandardPaths::setTestModeEnabled(true);
    // Recovery copies stay out of the user's own folder.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    TarnApplication application(argc, argv);
    for (std::size_t index = 0; index < Edits().size(); ++index) {
        benchmark::RegisterBenchmark((std::string("BM_Edit/") + Edits()[index].name).c_str(), BM_Edit, index)
            ->Arg(400)
            ->Arg(1000)
            ->Arg(3000)
            ->Arg(10000)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program.reset();
    return 0;
}
