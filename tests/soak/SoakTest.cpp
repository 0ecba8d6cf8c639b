// SPDX-License-Identifier: MIT
// Long sessions of random edits through the real window, as an author's months with a book
// would be: every kind of edit, with saves, loads, undo, redo and autosaves between them.
#include "HeapInUse.h"
#include "RandomEdits.h"
#include "document/BookFileWriter.h"
#include "document/RecoveryFiles.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "shell/DialogScript.h"
#include "shell/dialogs/RecoveryDialog.h"
#include "shell/mainframe/BookAutosave.h"
#include "shell/mainframe/CMainFrame.h"
#include "shell/mainframe/CTarnGuiApp.h"
#include "shell/panes/CFindReplacePane.h"
#include "shell/support/StringTable.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <random>

extern char** environ;

namespace {

using TarnViewModel::BookFileText;
using TestSupport::TempFolder;

// A window with a generated 400-section book open, saved at path.
class SoakSession {
public:
    // Starts the program with the book's path, as a double-click does; a new book is made
    // there unless asked to start with the one already there.
    explicit SoakSession(const std::string& path, bool newBook = true)
    {
        QSettings().setValue(TarnGui::BookAutosave::IntervalSetting, 0);
        // Random removals are not to stop for the question.
        QSettings().setValue(TarnGui::CMainFrame::AskBeforeRemovingSetting, false);
        if (newBook) {
            SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400))->Save(std::filesystem::path(path).wstring());
        }
        app_ = std::make_unique<TarnGui::CTarnGuiApp>();
        EXPECT_TRUE(app_->InitInstance({QStringLiteral("brindle-studio"), QString::fromStdString(path)}, false));
    }
    TarnGui::CMainFrame& Frame() { return *app_->MainFrame(); }
    TarnViewModel::TarnDataModel& Model() { return app_->Document(); }
    std::string Text() { return BookFileText(Model()); }
    // Lets queued work, such as the chart's layouts, come in as it would between keystrokes,
    // and frees what was left to be freed later, as the running event loop does.
    static void Breathe()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    std::unique_ptr<TarnGui::CTarnGuiApp> app_;
};

// The book copies in this run's recovery folder, held by a session or not.
int CopiesOnDisk()
{
    int copies = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(TarnViewModel::RecoveryFolder(), error), end; !error && entry != end;
         entry.increment(error)) {
        copies += entry->path().extension() == ".brindle" ? 1 : 0;
    }
    return copies;
}

void UndoAll(TarnViewModel::TarnDataModel& model)
{
    while (model.CanUndo()) {
        model.Undo();
    }
}

void RedoAll(TarnViewModel::TarnDataModel& model)
{
    while (model.CanRedo()) {
        model.Redo();
    }
}

// 50 rounds of 200 edits. Each round starts from the book as saved and loaded again, so its
// whole history fits the undo limit: undoing all of it gives back the saved bytes, and
// redoing all of it the book as the edits left it.
TEST(Soak, TenThousandEditsUndoToTheSavedBytesAndTheHeapStaysBounded)
{
    TempFolder folder;
    const std::string path = folder.Path("soak.brindle").string();
    SoakSession session(path);
    TestSupport::RandomEdits edits(session.Frame(), session.Model(), 20261207);
    constexpr int Rounds = 50;
    constexpr int EditsPerRound = 200;
    std::size_t settledHeap = 0;
    for (int round = 0; round < Rounds; ++round) {
        const std::string saved = session.Text();
        for (int edit = 0; edit < EditsPerRound; ++edit) {
            edits.Edit();
            if (edit % 20 == 0) {
                SoakSession::Breathe();
            }
        }
        session.Frame().Autosave().Tick();
        RedoAll(session.Model());
        const std::string edited = session.Text();
        UndoAll(session.Model());
        ASSERT_EQ(session.Text(), saved) << "round " << round;
        RedoAll(session.Model());
        ASSERT_EQ(session.Text(), edited) << "round " << round;

        session.Frame().Autosave().Finish();
        session.Model().Save(std::filesystem::path(path).wstring());
        session.Frame().OpenFile(QString::fromStdString(path));
        ASSERT_EQ(session.Text(), edited) << "round " << round << " did not load as saved";
        SoakSession::Breathe();
        if (round == 9) {
            settledHeap = TestSupport::HeapInUse();
        }
    }
    const std::size_t finalHeap = TestSupport::HeapInUse();
    RecordProperty("heap_after_round_10", std::to_string(settledHeap));
    RecordProperty("heap_after_round_50", std::to_string(finalHeap));
    EXPECT_LT(finalHeap, settledHeap + settledHeap / 2 + 16 * 1024 * 1024) << "heap grew from " << settledHeap << " to " << finalHeap;
}

// Replace All through the window that would take the book past the largest it may be: the
// author is told, nothing changes, and the session goes on to save a book that opens again.
TEST(Soak, AReplaceAllPastTheLargestBookChangesNothingAndTheSessionGoesOn)
{
    TempFolder folder;
    const std::string path = folder.Path("soak.brindle").string();
    SoakSession session(path);
    TestSupport::RandomEdits edits(session.Frame(), session.Model(), 20261209);
    for (int edit = 0; edit < 200; ++edit) {
        edits.Edit();
    }
    SoakSession::Breathe();
    const std::string before = session.Text();
    TarnGui::CFindReplacePane& pane = *session.Frame().FindReplacePane();
    TestSupport::DialogScript script;
    script.ThenAnswer(QMessageBox::Ok);
    pane.FindBox()->setText(QStringLiteral("e"));
    pane.ReplaceBox()->setText(QString(20000, QLatin1Char('e')));
    pane.ReplaceAllButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&script] { return script.Finished(); }, 60000));
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(script.Messages()[0], "This change would make the book take more than the 64 MB a book may take. Nothing was changed.");
    ASSERT_EQ(session.Text(), before);
    session.Model().Undo();
    session.Model().Redo();
    ASSERT_EQ(session.Text(), before) << "the refused Replace All left a step in the history";

    for (int edit = 0; edit < 200; ++edit) {
        edits.Edit();
    }
    const std::string edited = session.Text();
    session.Model().Save(std::filesystem::path(path).wstring());
    session.Frame().OpenFile(QString::fromStdString(path));
    EXPECT_EQ(session.Text(), edited);
    EXPECT_TRUE(script.Unexpected().empty());
}

// Runs in a process of its own, started by the test below: edits, and after every 50 edits
// writes a recovery copy as the timer would, telling its parent what it copies, until killed.
TEST(SoakChild, EditsAndAutosavesUntilKilled)
{
    if (qgetenv("BRINDLE_SOAK_CHILD").isEmpty()) {
        GTEST_SKIP() << "started only by the killed-session test";
    }
    TempFolder folder;
    SoakSession session(folder.Path("book.brindle").string());
    TestSupport::RandomEdits edits(session.Frame(), session.Model(), static_cast<unsigned>(qgetenv("BRINDLE_SOAK_CHILD").toUInt()));
    std::printf("folder %s\n", TarnViewModel::RecoveryFolder().c_str());
    for (int tick = 0; tick < 10000; ++tick) {
        for (int edit = 0; edit < 50; ++edit) {
            edits.Edit();
        }
        const std::string text = session.Text();
        std::printf("tick %zu\n", std::hash<std::string>()(text));
        std::fflush(stdout);
        session.Frame().Autosave().Tick();
        session.Frame().Autosave().Finish();
        std::printf("saved %zu\n", std::hash<std::string>()(text));
        std::fflush(stdout);
        SoakSession::Breathe();
    }
}

// The program killed at a random point leaves a copy that loads, and that holds the book as
// it was at the last autosave, or at the one being written when the program died; started
// again with the book's path, the program restores it and keeps it until it is saved.
TEST(Soak, AKilledSessionLeavesARecoveryOfTheLastAutosave)
{
    std::mt19937 random(7);
    for (int run = 0; run < 3; ++run) {
        int output[2];
        ASSERT_EQ(pipe(output), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, output[0]);
        const std::string filter = "--gtest_filter=SoakChild.*";
        char* arguments[] = {const_cast<char*>("soak_tests"), const_cast<char*>(filter.c_str()), nullptr};
        const std::string child = "BRINDLE_SOAK_CHILD=" + std::to_string(run + 1);
        std::vector<char*> environment{const_cast<char*>(child.c_str())};
        for (char** variable = environ; *variable != nullptr; ++variable) {
            environment.push_back(*variable);
        }
        environment.push_back(nullptr);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, arguments, environment.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(output[1]);

        FILE* lines = fdopen(output[0], "r");
        const int killAfter = 4 + static_cast<int>(random() % 12);
        std::size_t lastTick = 0;
        std::size_t lastSaved = 0;
        std::string folder;
        char line[4096];
        for (int read = 0; read < killAfter && std::fgets(line, sizeof line, lines) != nullptr;) {
            std::size_t hash = 0;
            if (std::strncmp(line, "folder ", 7) == 0) {
                folder = std::string(line + 7, std::strlen(line + 7) - 1);
            } else if (std::sscanf(line, "tick %zu", &hash) == 1) {
                lastTick = hash;
                ++read;
            } else if (std::sscanf(line, "saved %zu", &hash) == 1) {
                lastSaved = hash;
                ++read;
            }
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        fclose(lines);
        ASSERT_NE(lastTick, 0u) << "the child wrote nothing";

        const std::vector<TarnViewModel::RecoveryCopy> copies = TarnViewModel::FindRecoveryCopies(folder);
        ASSERT_EQ(copies.size(), 1u) << "run " << run;
        TarnViewModel::TarnDataModel recovered;
        recovered.Recover(std::filesystem::path(copies[0].copyFile).wstring(), copies[0].bookPath);
        const std::size_t hash = std::hash<std::string>()(BookFileText(recovered));
        EXPECT_TRUE(hash == lastSaved || hash == lastTick) << "run " << run << ": the copy is older than the last autosave";

        // The author double-clicks the book: the program starts with its path and offers the
        // copy, which is restored and kept until the restored work is saved. The child kept
        // its copies in a folder of its own run; this run's program looks in its own.
        std::filesystem::create_directories(TarnViewModel::RecoveryFolder());
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::filesystem::copy_file(entry.path(), std::filesystem::path(TarnViewModel::RecoveryFolder()) / entry.path().filename());
        }
        {
            TestSupport::DialogScript script;
            script.Then([](QWidget* dialog) {
                ASSERT_NE(qobject_cast<TarnGui::RecoveryDialog*>(dialog), nullptr) << dialog->windowTitle().toStdString();
                dialog->findChild<QListWidget*>()->setCurrentRow(0);
                dialog->findChild<QPushButton*>(QStringLiteral("restore"))->click();
            });
            SoakSession restarted(std::filesystem::path(copies[0].bookPath).string(), false);
            ASSERT_TRUE(QTest::qWaitFor([&script] { return script.Finished(); }, 10000));
            EXPECT_TRUE(script.Unexpected().empty()) << "run " << run << ": " << script.Unexpected().front();
            EXPECT_EQ(std::hash<std::string>()(restarted.Text()), hash) << "run " << run << ": the restored book is not the copy";
            EXPECT_TRUE(restarted.Model().IsModified());
            restarted.Frame().Autosave().Finish();
            EXPECT_EQ(CopiesOnDisk(), 1) << "run " << run << ": the restored work has no copy before it is saved";
            restarted.Frame().Action(TarnGui::Strings::FileSave)->trigger();
            ASSERT_TRUE(QTest::qWaitFor([&restarted] { return !restarted.Frame().BookJobsBusy(); }, 60000));
            restarted.Frame().Autosave().Finish();
            EXPECT_EQ(CopiesOnDisk(), 0) << "run " << run;
        }
        std::filesystem::remove_all(TarnViewModel::RecoveryFolder());
        std::filesystem::remove_all(std::filesystem::path(copies[0].bookPath).parent_path());
        std::filesystem::remove_all(folder);
    }
}

}  // namespace
