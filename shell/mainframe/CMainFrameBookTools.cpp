// SPDX-License-Identifier: MIT
#include "shell/mainframe/CMainFrame.h"

#include "controllers/FindReplaceController.h"
#include "controllers/PlayController.h"
#include "controllers/ProblemsController.h"
#include "document/TarnDataModel.h"
#include "shell/dialogs/StatisticsDlg.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/panes/CChoicesPane.h"
#include "shell/panes/CFindReplacePane.h"
#include "shell/panes/COutlinePane.h"
#include "shell/panes/CPlayPane.h"
#include "shell/panes/CProblemsPane.h"
#include "shell/panes/CSectionPropertiesPane.h"
#include "shell/panes/CSectionView.h"
#include "shell/spelling/SpellingService.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/StringTable.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QStatusBar>

#include <algorithm>
#include <array>
#include <set>

namespace TarnGui {

namespace {

// Long enough to read a sentence about why spelling is not checked.
constexpr int NoticeMilliseconds = 15000;

}  // namespace

void CMainFrame::CreateToolPanes()
{
    findPane_ = new CFindReplacePane(this);
    problemsPane_ = new CProblemsPane(selection_, this);
    playPane_ = new CPlayPane(this);
    for (QDockWidget* pane : std::array<QDockWidget*, 3>{findPane_, problemsPane_, playPane_}) {
        pane->setAllowedAreas(Qt::AllDockWidgetAreas);
        pane->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    }
    connect(findPane_, &CFindReplacePane::AboutToReplace, &connectionScope_, [this] { CommitTypedText(); });
    connect(findPane_, &CFindReplacePane::MatchRevealed, &connectionScope_,
            [this](const Search::BookMatch& match, bool focus) { ShowMatch(match, focus); });
    connect(findPane_, &CFindReplacePane::Replaced, &connectionScope_,
            [this](std::size_t count) { statusBar()->showMessage(tr("Replaced %Ln match(es)", nullptr, static_cast<int>(count))); });

    QAction* problems = problemsPane_->toggleViewAction();
    problems->setText(tr("Pro&blems"));
    problems->setStatusTip(CommandPrompt(Strings::ShowProblems));
    actions_[Strings::ShowProblems] = problems;
    // Shown, it comes in front of the panes it shares a place with.
    connect(problems, &QAction::triggered, &connectionScope_, [this](bool shown) {
        if (shown) {
            problemsPane_->raise();
        }
    });
    QAction* play = playPane_->toggleViewAction();
    play->setText(tr("P&lay"));
    play->setStatusTip(CommandPrompt(Strings::ShowPlay));
    actions_[Strings::ShowPlay] = play;
    connect(play, &QAction::triggered, &connectionScope_, [this](bool shown) {
        if (shown) {
            OnPlay(false);
        }
    });
    AddCommand(Strings::PlayFromHere, tr("Play from &Here"), [this] { OnPlay(true); })->setShortcut(QKeySequence(Qt::Key_F5));
    AddCommand(Strings::PlayFromStart, tr("Play from Section &1"), [this] {
        OnPlay(false);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    connect(playPane_, &CPlayPane::EditSection, &connectionScope_, [this](std::uint32_t number) {
        RunGuarded(this, [this, number] { selection_.SetCurrentSection(number); });
        sectionView_->TextBox()->setFocus(Qt::OtherFocusReason);
    });
    AddCommand(Strings::EditFind, tr("&Find..."), [this] { OnFind(false); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    AddCommand(Strings::EditReplace, tr("R&eplace..."), [this] { OnFind(true); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    AddCommand(Strings::FindNext, tr("Find &Next"), [this] { OnFindNext(true); })->setShortcut(QKeySequence(Qt::Key_F3));
    AddCommand(Strings::FindPrevious, tr("Find Pre&vious"), [this] {
        OnFindNext(false);
    })->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
}

void CMainFrame::CreateToolControllers()
{
    findController_ = std::make_unique<TarnViewModel::FindReplaceController>(model_, selection_, findPane_);
    findPane_->SetController(findController_.get());
    // A book changed while the list is hidden is searched again only once it shows, or
    // when Find Next or Replace needs it.
    findController_->SetShown(false);
    connect(findPane_, &QDockWidget::visibilityChanged, &connectionScope_, [this](bool visible) { findController_->SetShown(visible); });
    playController_ = std::make_unique<TarnViewModel::PlayController>(model_, playPane_);
    playPane_->SetController(playController_.get());
    // The path is marked where the book is drawn only while the reader's pane shows.
    playController_->SetShown(false);
    connect(playPane_, &QDockWidget::visibilityChanged, &connectionScope_, [this](bool visible) {
        playController_->SetShown(visible);
        MarkPlayPath(visible ? playController_->PathSections() : std::vector<std::uint32_t>());
    });
    connect(playPane_, &CPlayPane::PathShown, &connectionScope_, [this](const std::vector<std::uint32_t>& sections) {
        if (playPane_->isVisible()) {
            MarkPlayPath(sections);
        }
    });
    problemsController_ = std::make_unique<TarnViewModel::ProblemsController>(model_, problemsPane_);
    // The book is checked only while someone can see the list.
    problemsController_->SetShown(false);
    connect(problemsPane_, &QDockWidget::visibilityChanged, &connectionScope_,
            [this](bool visible) { problemsController_->SetShown(visible); });
    CreateSpelling();
}

void CMainFrame::CreateSpelling()
{
    spelling_ = new SpellingService(model_, this);
    CTarnTextEdit* text = sectionView_->TextBox();
    spelling_->Attach(text, [text] { return text->CreateContextMenu(); });
    choicesPane_->SetChoiceTextSetUp([this](QPlainTextEdit* choiceText) {
        spelling_->Attach(choiceText, [choiceText] { return choiceText->createStandardContextMenu(); });
    });
    connect(spelling_, &SpellingService::Notice, &connectionScope_,
            [this](const QString& message) { statusBar()->showMessage(message, NoticeMilliseconds); });
    auto* check = new QAction(tr("Check &Spelling"), this);
    check->setStatusTip(CommandPrompt(Strings::CheckSpelling));
    check->setCheckable(true);
    actions_[Strings::CheckSpelling] = check;
    check->setChecked(spelling_->Enabled());
    connect(check, &QAction::toggled, &connectionScope_, [this](bool checked) { spelling_->SetEnabled(checked); });
}

void CMainFrame::MarkPlayPath(const std::vector<std::uint32_t>& sections)
{
    const std::set<std::uint32_t> visited(sections.begin(), sections.end());
    flowchartPane_->Chart()->SetVisited(visited);
    outlinePane_->SetVisited(visited);
}

void CMainFrame::OnFind(bool replacing)
{
    // A word selected in the section's text is what the author wants to find.
    const QString selected = sectionView_->TextBox()->hasFocus() ? sectionView_->TextBox()->textCursor().selectedText() : QString();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator)) {
        findPane_->FindBox()->setText(selected);
    }
    findPane_->Open(replacing);
}

void CMainFrame::OnFindNext(bool forward)
{
    if (findPane_->FindBox()->text().isEmpty()) {
        findPane_->Open(false);
        return;
    }
    findPane_->show();
    RunGuarded(this, [this, forward] { forward ? findController_->FindNext() : findController_->FindPrevious(); });
}

void CMainFrame::OnPlay(bool fromHere)
{
    RunGuarded(this, [this, fromHere] {
        CommitTypedText();
        const std::uint32_t here = selection_.GetCurrentSection();
        if (fromHere && model_.GetStoryGraph().HasSection(here)) {
            playController_->PlayFrom(here);
        } else {
            playController_->PlayFromStart();
        }
        playPane_->show();
        playPane_->raise();
    });
}

void CMainFrame::ShowMatch(const Search::BookMatch& match, bool focus)
{
    switch (match.field) {
    case Search::SearchField::Text:
        sectionView_->SelectText(match.range.start, match.range.length, focus);
        break;
    case Search::SearchField::ChoiceText:
        choicesPane_->SelectChoice(match.choice);
        break;
    case Search::SearchField::Summary:
        sectionPropertiesPane_->raise();
        sectionPropertiesPane_->SelectInSummary(match.range.start, match.range.length);
        break;
    }
}

void CMainFrame::OnGoToSection()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        bool accepted = false;
        const QString typed =
            QInputDialog::getText(this, tr("Go to Section"), tr("Section number:"), QLineEdit::Normal, QString(), &accepted);
        if (!accepted) {
            return;
        }
        // Whatever is not a number from 1 to the highest is refused as the document refuses it.
        bool isNumber = false;
        const qulonglong number = typed.trimmed().toULongLong(&isNumber);
        selection_.GoToSection(
            !isNumber ? 0 : static_cast<std::uint32_t>(std::min<qulonglong>(number, TarnViewModel::TarnDataModel::HighestNumber + 1ULL)));
    });
}

void CMainFrame::OnBookStatistics()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        StatisticsDlg statistics(*model_.Snapshot(), this);
        statistics.exec();
    });
}

}  // namespace TarnGui
