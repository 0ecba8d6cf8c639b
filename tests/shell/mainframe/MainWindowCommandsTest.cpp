// SPDX-License-Identifier: MIT
#include "shell/MainWindowFixture.h"
#include "shell/dialogs/CAboutDlg.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/flowchart/CFlowchartToolBar.h"
#include "shell/panes/CSectionView.h"
#include "shell/support/StringTable.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramOutput.h"
#include "support/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include <unistd.h>

namespace {

using namespace TarnGui;
using TestSupport::ReadBytes;

class MainWindowCommandsTest : public TestSupport::MainWindowFixture {
protected:
    bool Enabled(unsigned command) { return Frame().Action(command)->isEnabled(); }
    // A book with a file and a change not yet saved.
    void SavedBookWithAChange(const QString& path)
    {
        Model().Save(path.toStdWString());
        Model().AddChoiceTo(1, 2, L"Run", false);
        ASSERT_TRUE(Model().IsModified());
    }
};

TEST_F(MainWindowCommandsTest, RemoveAndShuffleFollowTheSelectionAndTheSections)
{
    EXPECT_TRUE(Enabled(Strings::RemoveSection));
    EXPECT_TRUE(Enabled(Strings::ShuffleSections));
    EXPECT_FALSE(Enabled(Strings::EditUndo));
    Frame().Selection().SetCurrentSection(7);
    EXPECT_FALSE(Enabled(Strings::RemoveSection));
    Frame().Selection().SetCurrentSection(1);
    Run(Strings::RemoveSection);
    EXPECT_EQ(Model().GetStoryGraph().SectionCount(), 0u);
    EXPECT_FALSE(Enabled(Strings::RemoveSection));
    EXPECT_FALSE(Enabled(Strings::ShuffleSections));
    EXPECT_TRUE(Enabled(Strings::EditUndo));
    Run(Strings::AddSection);
    EXPECT_EQ(Model().GetStoryGraph().SectionCount(), 1u);
    EXPECT_TRUE(Enabled(Strings::RemoveSection));
}

TEST_F(MainWindowCommandsTest, NextAndPreviousViewWrapAroundTheEditorAndTheOpenPanes)
{
    const auto& panes = Frame().Panes();
    QWidget* text = Frame().SectionView()->TextBox();
    const auto press = [this](Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Frame(), Qt::Key_F6, modifiers);
    };
    text->setFocus();
    press(Qt::NoModifier);
    EXPECT_TRUE(panes.front()->isAncestorOf(QApplication::focusWidget()));
    press(Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), text);
    // A closed pane stays closed and is passed over.
    panes[1]->close();
    press(Qt::NoModifier);
    press(Qt::NoModifier);
    EXPECT_TRUE(panes[2]->isAncestorOf(QApplication::focusWidget()));
    EXPECT_FALSE(panes[1]->isVisible());
    // From the last pane the cycle wraps round to the editor, and from the editor back.
    panes.back()->widget()->setFocus();
    press(Qt::NoModifier);
    EXPECT_EQ(QApplication::focusWidget(), text);
    press(Qt::ShiftModifier);
    EXPECT_TRUE(panes.back()->isAncestorOf(QApplication::focusWidget()));
    // From outside every pane, F6 starts at the editor.
    Frame().FlowchartPane()->ToolBar()->setFocus();
    QApplication::focusWidget()->clearFocus();
    press(Qt::NoModifier);
    EXPECT_EQ(QApplication::focusWidget(), text);
}

TEST_F(MainWindowCommandsTest, TypedTextIsCommittedBeforeSaveAndUndo)
{
    const QString book = PathOf("typed.brindle");
    Model().Save(book.toStdWString());
    TypeIntoSection(QStringLiteral("Dragons"));
    Press(QKeySequence(Qt::CTRL | Qt::Key_S));
    WaitForBookJobs();
    EXPECT_NE(ReadBytes(book.toStdString()).find("Dragons"), std::string::npos);

    TypeIntoSection(QStringLiteral(" roar"));
    Run(Strings::EditUndo);
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).text, L"Dragons");
    Run(Strings::EditRedo);
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).text, L"Dragons roar");
}

TEST_F(MainWindowCommandsTest, CancellingTheSaveDialogSavesNothing)
{
    Model().AddChoiceTo(1, 2, L"Run", false);
    script_.ThenCancelFileDialog();
    Run(Strings::FileSave);
    WaitForScript();
    EXPECT_TRUE(Model().IsModified());
    EXPECT_TRUE(Model().GetFilePath().empty());
}

TEST_F(MainWindowCommandsTest, ClosingWithChangesAsksAndCancelKeepsTheBook)
{
    Model().AddChoiceTo(1, 2, L"Run", false);
    script_.ThenAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(script_.Messages(), std::vector<std::string>{"Save changes to Untitled?"});
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(Model().IsModified());
}

TEST_F(MainWindowCommandsTest, AFailedSaveWhileClosingIsShownAndKeepsTheWindow)
{
    const QString book = PathOf("gone/book.brindle");
    std::filesystem::create_directory(folder_.Path("gone"));
    SavedBookWithAChange(book);
    std::filesystem::remove_all(folder_.Path("gone"));
    script_.ThenAnswer(QMessageBox::Yes);
    script_.ThenAnswer(QMessageBox::Ok);
    EXPECT_FALSE(Frame().close());
    WaitForScript();
    ASSERT_EQ(script_.Messages().size(), 2u);
    EXPECT_EQ(script_.Messages()[0], "Save changes to " + book.toStdString() + "?");
    EXPECT_EQ(script_.Messages()[1], "Cannot write \"" + book.toStdString() + "\": the folder does not exist (No such file or directory).");
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(Model().IsModified());
}

// As on a full disk: the message says what happened, and the file on disk is as it was.
TEST_F(MainWindowCommandsTest, ASaveThatRunsOutOfRoomSaysSoAndKeepsTheOldFile)
{
    const QString book = PathOf("book.brindle");
    SavedBookWithAChange(book);
    const std::string before = ReadBytes(book.toStdString());
    Model().SetSectionText(1, std::wstring(200000, L'x'));
    script_.ThenAnswer(QMessageBox::Ok);
    {
        const TestSupport::FileSizeLimit limit(before.size() + 1000);
        Run(Strings::FileSave);
    }
    WaitForScript();
    ASSERT_EQ(script_.Messages().size(), 1u);
    EXPECT_EQ(script_.Messages()[0],
              "Cannot write \"" + book.toStdString() + "\": the file would be larger than this system allows (File too large).");
    EXPECT_EQ(ReadBytes(book.toStdString()), before);
    EXPECT_TRUE(Model().IsModified());
}

TEST_F(MainWindowCommandsTest, AMissingRecentFileSaysSoAndStaysInTheList)
{
    const QString book = PathOf("lost.brindle");
    script_.ThenChooseFile(book);
    Run(Strings::FileSaveAs);
    WaitForScript();
    std::filesystem::remove(book.toStdString());
    QAction* recent = RecentEntry(book);
    ASSERT_NE(recent, nullptr);
    script_.ThenAnswer(QMessageBox::Ok);
    recent->trigger();
    WaitForScript();
    EXPECT_EQ(script_.Messages().back(), QStringLiteral("Cannot open file \"%1\": there is no such file").arg(book).toStdString());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QSettings().value("Recent File List/Files").toStringList().value(0), book);
}

TEST_F(MainWindowCommandsTest, AFileThatIsNoBookNamesItselfAndTheLineAndLeavesTheBookOpen)
{
    const QString bad = PathOf("cut short.brindle");
    std::ofstream(bad.toStdString()) << "<?xml version=\"1.0\"?>\n<book version=\"2\">\n<title>Cut";
    script_.ThenAnswer(QMessageBox::Ok);
    Frame().OpenFile(bad);
    WaitForScript();
    ASSERT_FALSE(script_.Messages().empty());
    EXPECT_EQ(script_.Messages().back(), QStringLiteral("Cannot open \"%1\", line 3: it is not a book this program can read, or it "
                                                        "has been damaged (unexpected end of data).")
                                             .arg(bad)
                                             .toStdString());
    EXPECT_TRUE(Model().GetFilePath().empty());
    EXPECT_TRUE(Model().GetStoryGraph().HasSection(1));
}

// Another program's lock warns before the book opens, and stays that program's.
TEST_F(MainWindowCommandsTest, ABookOpenElsewhereIsOpenedOnlyWhenTheAuthorSaysSo)
{
    const QString book = PathOf("shared.brindle");
    script_.ThenChooseFile(book);
    Run(Strings::FileSaveAs);
    WaitForScript();
    Run(Strings::FileNew);
    const auto lockFile = folder_.Path(".~lock.shared.brindle#");
    EXPECT_FALSE(std::filesystem::exists(lockFile));
    TestSupport::WriteBytes(lockFile, "ann,elsewhere.example,42,Brindle Story Studio,2026-12-01 10:00\n");

    script_.ThenAnswer(QMessageBox::No);
    Frame().OpenFile(book);
    WaitForScript();
    EXPECT_EQ(script_.Messages().back().substr(0, 82),
              "\"shared.brindle\" is open in Brindle Story Studio by ann on elsewhere.example since");
    EXPECT_TRUE(Model().GetFilePath().empty());

    script_.ThenAnswer(QMessageBox::Yes);
    Frame().OpenFile(book);
    WaitForScript();
    EXPECT_EQ(Model().GetFilePath(), book.toStdWString());
    EXPECT_EQ(ReadBytes(lockFile), "ann,elsewhere.example,42,Brindle Story Studio,2026-12-01 10:00\n");
    Run(Strings::FileNew);
    EXPECT_TRUE(std::filesystem::exists(lockFile)) << "closing the book took the other program's lock with it";
}

TEST_F(MainWindowCommandsTest, SavingOverChangesMadeByAnotherProgramAsksFirst)
{
    const QString book = PathOf("book.brindle");
    script_.ThenChooseFile(book);
    Run(Strings::FileSaveAs);
    WaitForScript();
    Model().SetTitle(L"Mine");
    const std::string theirs = "<book version=\"2\"><title>Theirs</title></book>";
    TestSupport::WriteBytes(book.toStdString(), theirs);

    script_.ThenAnswer(QMessageBox::No);
    Run(Strings::FileSave);
    WaitForScript();
    EXPECT_EQ(ReadBytes(book.toStdString()), theirs);
    EXPECT_TRUE(Model().IsModified());

    script_.ThenAnswer(QMessageBox::Yes);
    Run(Strings::FileSave);
    WaitForScript();
    EXPECT_NE(ReadBytes(book.toStdString()).find("<title>Mine</title>"), std::string::npos);
    EXPECT_FALSE(Model().IsModified());
    Run(Strings::FileSave);
    EXPECT_TRUE(script_.Finished()) << "an unchanged file asked again";
}

TEST_F(MainWindowCommandsTest, AFailedExportIsShownAndNotOfferedForOpening)
{
    script_.Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
    script_.ThenChooseFile(PathOf("no-such-folder/book.html"));
    script_.ThenAnswer(QMessageBox::Ok);
    Run(Strings::ExportBook);
    WaitForScript();
    ASSERT_EQ(script_.Messages().size(), 1u);
    EXPECT_NE(script_.Messages()[0].find("book.html"), std::string::npos) << script_.Messages()[0];

    script_.ThenChooseFile(PathOf("no-such-folder/chart.png"));
    script_.ThenAnswer(QMessageBox::Ok);
    Run(Strings::ExportGraph);
    WaitForScript();
    ASSERT_EQ(script_.Messages().size(), 2u);
    EXPECT_NE(script_.Messages()[1].find("chart.png"), std::string::npos) << script_.Messages()[1];
    EXPECT_TRUE(opened_.empty());
}

TEST_F(MainWindowCommandsTest, AnEpubIsWrittenAsTheArchiveItIs)
{
    script_.Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
    script_.ThenChooseFile(PathOf("book.epub"), QStringLiteral("EPUB e-books (*.epub)"));
    script_.ThenAnswer(QMessageBox::No);
    Run(Strings::ExportBook);
    WaitForScript();
    const std::string bytes = TestSupport::ReadBytes(folder_.Path("book.epub"));
    ASSERT_GT(bytes.size(), 58u);
    EXPECT_EQ(bytes.substr(30, 28), "mimetypeapplication/epub+zip");
    EXPECT_EQ(bytes.find("PK\x05\x06"), bytes.size() - 22) << "the archive's line ends were changed";
}

TEST_F(MainWindowCommandsTest, APdfIsWrittenOnThePaperChosenWhichIsOfferedNextTime)
{
    QString offeredPaper;
    const auto exportPdf = [&](const std::string& name, const QString& paper) {
        script_.Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
        script_.ThenChooseFile(PathOf(name), QStringLiteral("PDF documents (*.pdf)"));
        script_.Then([&offeredPaper, paper](QWidget* dialog) {
            ASSERT_EQ(dialog->objectName(), QStringLiteral("PdfPageSetupDlg"));
            auto* papers = dialog->findChild<QComboBox*>();
            offeredPaper = papers->currentData().toString();
            papers->setCurrentIndex(papers->findData(paper));
            qobject_cast<QDialog*>(dialog)->accept();
        });
        script_.ThenAnswer(QMessageBox::No);
        Run(Strings::ExportBook);
        WaitForScript();
    };
    exportPdf("book.pdf", QStringLiteral("a5"));
    EXPECT_EQ(offeredPaper, QStringLiteral("a4"));
    const std::string info = TestSupport::RunProgram("pdfinfo '" + folder_.Path("book.pdf").string() + "'").text;
    EXPECT_NE(info.find("Page size:       420 x 595 pts (A5)"), std::string::npos) << info;
    EXPECT_EQ(script_.Messages().back(), "Do you want to open your exported book?");

    exportPdf("again.pdf", QStringLiteral("letter"));
    EXPECT_EQ(offeredPaper, QStringLiteral("a5"));
}

TEST_F(MainWindowCommandsTest, ImportingAnArchiveAsksWhichStoryAndOpensItUntitledAndModified)
{
    QStringList offered;
    script_.ThenChooseFile(QString::fromStdString((TestSupport::TestData() / "import/archive.html").string()));
    script_.Then([&offered](QWidget* dialog) {
        auto* ask = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(ask, nullptr);
        offered = ask->comboBoxItems();
        ask->setTextValue(offered.value(1));
        ask->accept();
    });
    script_.ThenAnswer(QMessageBox::Ok);
    Run(Strings::ImportStory);
    WaitForScript();
    EXPECT_EQ(offered, (QStringList{QStringLiteral("1. First Tale"), QStringLiteral("2. Second Tale")}));
    EXPECT_EQ(Model().GetTitle(), L"Second Tale");
    EXPECT_EQ(Model().GetStoryGraph().SectionCount(), 2u);
    EXPECT_TRUE(Model().GetStoryGraph().HasSection(6));
    EXPECT_TRUE(Model().GetFilePath().empty());
    EXPECT_TRUE(Model().IsModified());
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 1u);
    ASSERT_FALSE(script_.Messages().empty());
    EXPECT_EQ(script_.Messages().back().rfind("The story was imported, with these notes:", 0), 0u) << script_.Messages().back();
}

TEST_F(MainWindowCommandsTest, TheSampleBookOpensAsAnUntitledCopyShowingWhatABookCanHold)
{
    Run(Strings::OpenSampleBook);
    const TarnViewModel::StoryGraph& graph = Model().GetStoryGraph();
    EXPECT_EQ(Model().GetTitle(), L"The Light at Gull Point");
    EXPECT_TRUE(Model().GetFilePath().empty());
    EXPECT_FALSE(Model().IsModified());
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 1u);
    EXPECT_GE(graph.SectionCount(), 24u);

    std::set<std::uint32_t> colours;
    int endings = 0;
    int hidden = 0;
    int backwards = 0;
    graph.VisitSections([&](const TarnViewModel::Section& section) {
        EXPECT_FALSE(section.summary.empty()) << section.number;
        EXPECT_FALSE(section.text.empty()) << section.number;
        const auto& colour = section.backgroundColour;
        colours.insert(std::uint32_t{colour.red} << 16 | std::uint32_t{colour.green} << 8 | colour.blue);
        endings += graph.ChoiceCount(section.number) == 0 ? 1 : 0;
        graph.VisitSectionChoices(section.number, false, [&](const TarnViewModel::Choice& choice) {
            hidden += choice.hidden ? 1 : 0;
            backwards += choice.destination < section.number ? 1 : 0;
        });
    });
    EXPECT_GE(colours.size(), 4u);
    EXPECT_GE(endings, 3);
    EXPECT_GE(hidden, 1);
    // A choice leading back to an earlier section makes a loop.
    EXPECT_GE(backwards, 1);
    Model().SetSectionSummary(1, L"Edited");
    EXPECT_TRUE(Model().IsModified());
}

TEST_F(MainWindowCommandsTest, GoToSectionMakesTheNumberCurrentOrSaysWhyNot)
{
    Run(Strings::OpenSampleBook);
    const auto goTo = [this](const QString& typed) {
        script_.Then([typed](QWidget* dialog) {
            auto* ask = qobject_cast<QInputDialog*>(dialog);
            ASSERT_NE(ask, nullptr);
            ask->setTextValue(typed);
            ask->accept();
        });
    };
    goTo(QStringLiteral(" 22 "));
    Run(Strings::GoToSection);
    WaitForScript();
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 22u);
    EXPECT_TRUE(Frame().FlowchartPane()->Chart()->Scene().boxes.at(22).selected);

    for (const QString& typed : {QStringLiteral("29"), QStringLiteral("0"), QStringLiteral("ten"), QStringLiteral("99999999999")}) {
        goTo(typed);
        script_.ThenAnswer(QMessageBox::Ok);
        Run(Strings::GoToSection);
        WaitForScript();
        EXPECT_EQ(Frame().Selection().GetCurrentSection(), 22u) << typed.toStdString();
    }
    EXPECT_EQ(script_.Messages(),
              (std::vector<std::string>{"There is no section 29 in this book.", "Section number must be between 1 and 10000",
                                        "Section number must be between 1 and 10000", "Section number must be between 1 and 10000"}));
    EXPECT_EQ(Frame().Action(Strings::GoToSection)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
}

TEST_F(MainWindowCommandsTest, StatisticsCountTheBookAsTheCommandLineDoes)
{
    Run(Strings::OpenSampleBook);
    std::map<QString, QString> shown;
    script_.Then([&shown](QWidget* dialog) {
        for (const QLabel* value : dialog->findChildren<QLabel*>()) {
            if (!value->objectName().isEmpty()) {
                shown[value->objectName()] = value->text();
            }
        }
        qobject_cast<QDialog*>(dialog)->reject();
    });
    Run(Strings::BookStatistics);
    WaitForScript();
    EXPECT_EQ(shown[QStringLiteral("Sections")], QStringLiteral("28"));
    EXPECT_EQ(shown[QStringLiteral("Hidden choices")], QStringLiteral("1"));
    EXPECT_EQ(shown[QStringLiteral("Endings")], QStringLiteral("5"));
    EXPECT_TRUE(shown[QStringLiteral("Reading time")].startsWith(QStringLiteral("about ")));
    EXPECT_TRUE(shown[QStringLiteral("Shortest path")].endsWith(QStringLiteral(" choices")));
    EXPECT_TRUE(shown[QStringLiteral("Longest path")].contains(QStringLiteral(" choices")));
}

TEST_F(MainWindowCommandsTest, RemovingASectionThatChoicesLeadToAsksFirstAndUndoBringsAllBack)
{
    Model().CreateSection(2, L"");
    Model().CreateSection(3, L"");
    Model().AddChoiceTo(1, 3, L"Go", false);
    Model().AddChoiceTo(2, 3, L"Also go", true);
    Model().AddChoiceTo(3, 1, L"Back", false);
    const auto removeThree = [this] {
        Frame().Selection().SetCurrentSection(3);
        Run(Strings::RemoveSection);
    };
    script_.ThenAnswer(QMessageBox::No);
    removeThree();
    WaitForScript();
    EXPECT_EQ(script_.Messages().back(), "Section 3 has 2 choices leading to it. Remove it and them?");
    EXPECT_TRUE(Model().GetStoryGraph().HasSection(3));

    script_.Then([](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        box->checkBox()->setChecked(true);
        box->button(QMessageBox::Yes)->click();
    });
    removeThree();
    WaitForScript();
    EXPECT_FALSE(Model().GetStoryGraph().HasSection(3));
    EXPECT_EQ(Model().GetStoryGraph().ChoiceCount(1), 0u);
    Run(Strings::EditUndo);
    EXPECT_TRUE(Model().GetStoryGraph().HasSection(3));
    EXPECT_EQ(Model().GetStoryGraph().ChoiceCount(1), 1u);
    EXPECT_EQ(Model().GetStoryGraph().ChoiceCount(2), 1u);

    // Not asked again.
    removeThree();
    EXPECT_FALSE(Model().GetStoryGraph().HasSection(3));
}

TEST_F(MainWindowCommandsTest, TheTitlesStarFollowsUndoBackToTheSavedBookAndRedoAwayFromIt)
{
    script_.ThenChooseFile(PathOf("book.brindle"));
    Run(Strings::FileSave);
    WaitForScript();
    EXPECT_FALSE(Frame().windowTitle().contains('*')) << Frame().windowTitle().toStdString();
    Run(Strings::AddSection);
    EXPECT_TRUE(Frame().windowTitle().contains('*'));
    Run(Strings::EditUndo);
    EXPECT_FALSE(Frame().windowTitle().contains('*')) << Frame().windowTitle().toStdString();
    Run(Strings::EditRedo);
    EXPECT_TRUE(Frame().windowTitle().contains('*'));
}

TEST_F(MainWindowCommandsTest, AHelpPageThatNothingCanOpenIsShownToCopy)
{
    Frame().SetUrlOpener([](const QUrl&) { return false; });
    script_.ThenAnswer(QMessageBox::Ok);
    Run(Strings::OnlineHelp);
    WaitForScript();
    ASSERT_FALSE(script_.Messages().empty());
    EXPECT_NE(script_.Messages().back().find("Nothing on this computer could open this for you:\n\nhttps://"), std::string::npos)
        << script_.Messages().back();
    EXPECT_NE(script_.Messages().back().find("version="), std::string::npos);
}

TEST_F(MainWindowCommandsTest, ExportingPagesIntoAFolderThatIsNotEmptyAsksFirst)
{
    std::filesystem::create_directory(folder_.Path("site"));
    TestSupport::WriteBytes(folder_.Path("site/notes.txt"), "mine");
    const auto exportPages = [this](QMessageBox::StandardButton answer) {
        script_.Then([](QWidget* dialog) {
            for (QRadioButton* option : dialog->findChildren<QRadioButton*>()) {
                option->setChecked(option->text() == QStringLiteral("One HTML file per section"));
            }
            qobject_cast<QDialog*>(dialog)->accept();
        });
        script_.ThenChooseFolder(PathOf("site"));
        script_.ThenAnswer(answer);
    };
    exportPages(QMessageBox::No);
    Run(Strings::ExportBook);
    WaitForScript();
    EXPECT_EQ(script_.Messages().back(), "This folder is not empty and files may be overwritten! Do you want to continue?");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path("site")), {}), 1);

    exportPages(QMessageBox::Yes);
    script_.ThenAnswer(QMessageBox::Yes);
    Run(Strings::ExportBook);
    WaitForScript();
    EXPECT_GT(std::distance(std::filesystem::directory_iterator(folder_.Path("site")), {}), 1);
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], QUrl::fromLocalFile(PathOf("site")));
}

TEST_F(MainWindowCommandsTest, ExportNamesAreProposedFromTheBook)
{
    script_.Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
    script_.Then([](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        EXPECT_TRUE(files->selectedFiles().value(0).endsWith("/Untitled.html")) << files->selectedFiles().value(0).toStdString();
        EXPECT_EQ(files->selectedNameFilter(), QStringLiteral("HTML Files (*.html)"));
        files->reject();
    });
    Run(Strings::ExportBook);
    WaitForScript();
    script_.Then([](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        EXPECT_TRUE(files->selectedFiles().value(0).endsWith("/Untitled.png"));
        files->reject();
    });
    Run(Strings::ExportGraph);
    WaitForScript();
}

TEST_F(MainWindowCommandsTest, OpenAsksAboutUnsavedChangesBeforeAFileIsChosenAndOnlyOnce)
{
    const QString other = PathOf("other.brindle");
    Model().Save(other.toStdWString());
    Model().AddChoiceTo(1, 2, L"Run", false);
    script_.ThenAnswer(QMessageBox::No);
    script_.ThenChooseFile(other);
    Press(QKeySequence(Qt::CTRL | Qt::Key_O));
    WaitForScript();
    ASSERT_EQ(script_.Messages().size(), 1u);
    EXPECT_EQ(Model().GetFilePath(), other.toStdWString());
    EXPECT_FALSE(Model().IsModified());

    // Cancelling the question opens no dialog at all.
    Model().AddChoiceTo(1, 2, L"Run", false);
    script_.ThenAnswer(QMessageBox::Cancel);
    Press(QKeySequence(Qt::CTRL | Qt::Key_O));
    WaitForScript();
    EXPECT_TRUE(Model().IsModified());
}

TEST_F(MainWindowCommandsTest, FileDialogsStartInTheBooksFolder)
{
    std::filesystem::create_directories(folder_.Path("books"));
    const QString book = PathOf("books/quest.brindle");
    Model().Save(book.toStdWString());
    for (const unsigned command : {Strings::FileOpen, Strings::ImportStory, Strings::ExportGraph}) {
        script_.Then([](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            EXPECT_TRUE(files->directory().absolutePath().endsWith(QStringLiteral("/books")))
                << files->directory().absolutePath().toStdString();
            files->reject();
        });
        Run(command);
        WaitForScript();
    }
}

TEST_F(MainWindowCommandsTest, TheFlowchartImageIsNeverWrittenOverTheBook)
{
    const QString book = PathOf("quest.brindle");
    Model().Save(book.toStdWString());
    const std::string before = ReadBytes(book.toStdString());
    // Whether the dialog asks about replacing the file depends on how far it has read the
    // folder; the author who answers Yes meets the same refusal as one never asked.
    script_.Then([book](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->setOption(QFileDialog::DontConfirmOverwrite);
        files->selectFile(book);
        files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(book);
        static_cast<QDialog*>(files)->accept();
    });
    script_.ThenAnswer(QMessageBox::Ok);
    Run(Strings::ExportGraph);
    WaitForScript();
    EXPECT_EQ(ReadBytes(book.toStdString()), before);
    ASSERT_EQ(script_.Messages().size(), 1u);
    EXPECT_NE(script_.Messages()[0].find("Cannot export over the book itself"), std::string::npos) << script_.Messages()[0];
}

TEST_F(MainWindowCommandsTest, AddSectionPutsTheCursorInTheNewTextWhateverHadTheFocus)
{
    Frame().FlowchartPane()->Chart()->setFocus();
    Run(Strings::AddSection);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("A new room."));
    Frame().FlowchartPane()->Chart()->setFocus();
    EXPECT_EQ(Model().GetStoryGraph().GetSection(Frame().Selection().GetCurrentSection()).text, L"A new room.");
    EXPECT_NE(Frame().Selection().GetCurrentSection(), 1u);
}

// Qt adds a display name, when one is set, to the title of every window, so that a small
// dialog's own title was cut to "Go to … Studio".
TEST_F(MainWindowCommandsTest, DialogTitlesAreTheirActionAlone)
{
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    EXPECT_TRUE(Frame().windowTitle().endsWith(QStringLiteral(" - The Brindle Story Studio")));
}

TEST_F(MainWindowCommandsTest, ThePlayPanesButtonsLeaveTheMenusTheirKeys)
{
    Run(Strings::ShowPlay);
    for (QPushButton* button : Frame().findChildren<QPushButton*>()) {
        if (!button->isVisible()) {
            continue;
        }
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        for (QAction* menu : Frame().menuBar()->actions()) {
            EXPECT_NE(mnemonic, QKeySequence::mnemonic(menu->text()))
                << button->text().toStdString() << " takes the key of " << menu->text().toStdString();
        }
    }
}

TEST_F(MainWindowCommandsTest, HelpCommandsOpenTheMakersPagesWithTheVersion)
{
    Run(Strings::OnlineHelp);
    Run(Strings::CheckForUpdates);
    Run(Strings::SendFeedback);
    ASSERT_EQ(opened_.size(), 3u);
    EXPECT_EQ(opened_[0].query(), "version=1.18.238.0");
    EXPECT_EQ(opened_[1].query(), "version=1.18.238.0");
    EXPECT_NE(opened_[0], opened_[1]);
    EXPECT_EQ(opened_[2].scheme(), "mailto");
    EXPECT_EQ(opened_[2].query(QUrl::FullyDecoded), "subject=Brindle 1.18.238.0 Feedback");
}

TEST_F(MainWindowCommandsTest, TheZoomBoxAndButtonsZoomTheChart)
{
    CFlowchartToolBar& bar = *Frame().FlowchartPane()->ToolBar();
    const CFlowchart& chart = *Frame().FlowchartPane()->Chart();
    EXPECT_EQ(bar.ZoomBox()->currentText(), "100%");
    EXPECT_TRUE(bar.ZoomInAction()->isEnabled());
    EXPECT_TRUE(bar.ZoomOutAction()->isEnabled());
    bar.ZoomBox()->setCurrentIndex(4);
    emit bar.ZoomBox()->activated(4);
    EXPECT_DOUBLE_EQ(chart.Zoom(), 0.5);
    bar.ZoomInAction()->trigger();
    EXPECT_DOUBLE_EQ(chart.Zoom(), 0.6);
    EXPECT_EQ(bar.ZoomBox()->currentText(), "60%");
    for (int step = 0; step < 10; ++step) {
        bar.ZoomOutAction()->trigger();
    }
    EXPECT_DOUBLE_EQ(chart.Zoom(), 0.1);
    EXPECT_FALSE(bar.ZoomOutAction()->isEnabled());
}

TEST_F(MainWindowCommandsTest, AHintLeftByAClosedMenuGivesWayToReady)
{
    QMenu* file = Frame().menuBar()->actions().front()->menu();
    ASSERT_NE(file, nullptr);
    QStatusTipEvent hint(Frame().Action(Strings::FileOpen)->statusTip());
    QApplication::sendEvent(&Frame(), &hint);
    EXPECT_EQ(Frame().statusBar()->currentMessage(), Frame().Action(Strings::FileOpen)->statusTip());
    emit file->aboutToHide();
    EXPECT_EQ(Frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
}

TEST_F(MainWindowCommandsTest, ResetViewsDocksEveryPaneAgain)
{
    Frame().Panes()[0]->setFloating(true);
    Frame().Panes()[5]->hide();
    Run(Strings::ResetViews);
    for (QDockWidget* pane : Frame().Panes()) {
        EXPECT_FALSE(pane->isFloating());
        EXPECT_TRUE(pane->isVisible());
    }
    EXPECT_EQ(Frame().dockWidgetArea(Frame().Panes()[0]), Qt::RightDockWidgetArea);
    EXPECT_EQ(Frame().dockWidgetArea(Frame().Panes()[1]), Qt::LeftDockWidgetArea);
    EXPECT_EQ(Frame().dockWidgetArea(Frame().Panes()[4]), Qt::BottomDockWidgetArea);
}

TEST_F(MainWindowCommandsTest, TheAboutBoxShowsTheVersionAndOpensTheMakersPages)
{
    script_.Then([](QWidget* dialog) {
        bool versionShown = false;
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            versionShown = versionShown || label->text() == "Version 1.18.238.0";
        }
        EXPECT_TRUE(versionShown);
        const QList<CClickableImage*> images = dialog->findChildren<CClickableImage*>();
        ASSERT_EQ(images.size(), 2);
        QTest::mouseClick(images[0], Qt::LeftButton);
        QTest::mouseClick(images[1], Qt::LeftButton);
        qobject_cast<QDialog*>(dialog)->accept();
    });
    Run(Strings::AppAbout);
    WaitForScript();
    ASSERT_EQ(opened_.size(), 2u);
    EXPECT_NE(opened_[0], opened_[1]);
}

TEST_F(MainWindowCommandsTest, MenusCarryThePromptsAndKeys)
{
    EXPECT_EQ(Frame().Action(Strings::EditRedo)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    EXPECT_EQ(Frame().Action(Strings::FileSaveAs)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(Frame().Action(Strings::FileClose)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_EQ(Frame().Action(Strings::AppExit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(Frame().Action(Strings::PreviousView)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F6));
    EXPECT_EQ(Frame().Action(Strings::ShuffleSections)->statusTip(), "Randomly shuffles up the sections in your book");
    EXPECT_EQ(Frame().Action(Strings::ShuffleSections)->toolTip(), "Shuffle Sections");
    for (QDockWidget* pane : Frame().Panes()) {
        EXPECT_EQ(pane->allowedAreas(), Qt::AllDockWidgetAreas);
    }
    EXPECT_EQ(Frame().Panes()[3]->windowTitle(), "Gamebook");
}

}  // namespace

TEST_F(MainWindowCommandsTest, TheChartIsWalkedWithTheKeysAndEnterAndDeleteWorkOnItsSection)
{
    Model().CreateSection(2, L"");
    Model().CreateSection(3, L"");
    Model().AddChoiceTo(1, 2, L"Left", false);
    Model().AddChoiceTo(1, 3, L"Right", false);
    Frame().Selection().SetCurrentSection(1);
    CFlowchart* chart = Frame().FlowchartPane()->Chart();
    chart->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), chart);
    QTest::keyClick(chart, Qt::Key_Down);
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 2u);
    QTest::keyClick(chart, Qt::Key_Right);
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 3u);
    QTest::keyClick(chart, Qt::Key_Up);
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 1u);
    QTest::keyClick(chart, Qt::Key_Down);
    // Delete asks, as the command does, since a choice leads to the section.
    script_.ThenAnswer(QMessageBox::Yes);
    QTest::keyClick(chart, Qt::Key_Delete);
    WaitForScript();
    EXPECT_FALSE(Model().GetStoryGraph().HasSection(2));
    QApplication::setActiveWindow(&Frame());
    Frame().Selection().SetCurrentSection(3);
    chart->setFocus();
    QTest::keyClick(chart, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Frame().SectionView()->TextBox());
}
