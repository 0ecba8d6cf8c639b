// SPDX-License-Identifier: MIT
#include "shell/mainframe/CMainFrame.h"

#include "shell/mainframe/EditCommandStates.h"
#include "shell/mainframe/RecentFiles.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/ProgramVersion.h"
#include "shell/support/StringTable.h"
#include "translation/ProgramLanguage.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>

namespace TarnGui {

namespace {

// The text control that Cut, Copy and Paste act on: the one with the focus.
struct FocusedText {
    QLineEdit* line = nullptr;
    QPlainTextEdit* plain = nullptr;
    QTextEdit* rich = nullptr;

    static FocusedText Find()
    {
        QWidget* focus = QApplication::focusWidget();
        return {qobject_cast<QLineEdit*>(focus), qobject_cast<QPlainTextEdit*>(focus), qobject_cast<QTextEdit*>(focus)};
    }
    bool HasSelection() const
    {
        return (line != nullptr && line->hasSelectedText()) || (plain != nullptr && plain->textCursor().hasSelection()) ||
               (rich != nullptr && rich->textCursor().hasSelection());
    }
    bool Editable() const
    {
        return (line != nullptr && !line->isReadOnly()) || (plain != nullptr && !plain->isReadOnly()) ||
               (rich != nullptr && !rich->isReadOnly());
    }
    template <class Step>
    void Run(Step step) const
    {
        if (line != nullptr) {
            step(line);
        } else if (plain != nullptr) {
            step(plain);
        } else if (rich != nullptr) {
            step(rich);
        }
    }
};

}  // namespace

QAction* CMainFrame::AddCommand(unsigned command, const QString& text, std::function<void()> run)
{
    auto* action = new QAction(text, this);
    action->setStatusTip(CommandPrompt(command));
    action->setToolTip(CommandTooltip(command));
    connect(action, &QAction::triggered, &connectionScope_, [run = std::move(run)] { run(); });
    actions_[command] = action;
    return action;
}

void CMainFrame::CreateActions()
{
    AddCommand(Strings::FileNew, tr("&New"), [this] { OnFileNew(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand(Strings::FileOpen, tr("&Open..."), [this] { OnFileOpen(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AddCommand(Strings::FileSave, tr("&Save"), [this] { OnFileSave(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AddCommand(Strings::FileSaveAs, tr("Save &As..."), [this] {
        OnFileSaveAs();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    AddCommand(Strings::FileClose, tr("&Close"), [this] { OnFileClose(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    AddCommand(Strings::ImportStory, tr("&Import Story..."), [this] { OnImportStory(); });
    AddCommand(Strings::ExportBook, tr("Export &Book"), [this] { OnExportBook(); });
    AddCommand(Strings::ExportGraph, tr("Export &Graph"), [this] { OnExportGraph(); });
    AddCommand(Strings::AppExit, tr("E&xit"), [this] { close(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    AddCommand(Strings::EditUndo, tr("&Undo"), [this] { OnUndo(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    // Ctrl+Y, and Ctrl+Shift+Z as Linux programs have it.
    AddCommand(Strings::EditRedo, tr("&Redo"), [this] {
        OnRedo();
    })->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    AddCommand(Strings::EditCut, tr("Cu&t"), [] {
        FocusedText::Find().Run([](auto* edit) { edit->cut(); });
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    AddCommand(Strings::EditCopy, tr("&Copy"), [] {
        FocusedText::Find().Run([](auto* edit) { edit->copy(); });
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    AddCommand(Strings::EditPaste, tr("&Paste"), [] {
        FocusedText::Find().Run([](auto* edit) { edit->paste(); });
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));

    AddCommand(Strings::GoToSection, tr("&Go to Section..."), [this] { OnGoToSection(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    AddCommand(Strings::BookStatistics, tr("S&tatistics..."), [this] { OnBookStatistics(); });

    AddCommand(Strings::ResetViews, tr("&Reset Views"), [this] { OnResetViews(); });
    AddCommand(Strings::PreviousView, tr("&Previous View"), [this] {
        OnPreviousView();
    })->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    AddCommand(Strings::NextView, tr("&Next View"), [this] { OnNextView(); })->setShortcut(QKeySequence(Qt::Key_F6));

    AddCommand(Strings::AddSection, tr("&Add Section"), [this] { OnAddSection(); });
    AddCommand(Strings::RemoveSection, tr("&Remove Section"), [this] { OnRemoveSection(); });
    AddCommand(Strings::ShuffleSections, tr("&Shuffle Sections"), [this] { OnShuffleSections(); });

    AddCommand(Strings::OnlineHelp, tr("Online &Help"), [this] { OpenVersionPage(HelpPage); })->setShortcut(QKeySequence(Qt::Key_F1));
    AddCommand(Strings::CheckForUpdates, tr("Check For &Updates"), [this] { OpenVersionPage(UpdatePage); });
    AddCommand(Strings::SendFeedback, tr("Send &Feedback"), [this] { SendFeedback(); });
    AddCommand(Strings::OpenSampleBook, tr("Open &Sample Book"), [this] { OnOpenSampleBook(); });
    AddCommand(Strings::AppAbout, tr("&About The Brindle Story Studio..."), [this] { ShowAbout(); });

    for (unsigned command : {Strings::RemoveSection, Strings::ShuffleSections, Strings::EditUndo, Strings::EditRedo}) {
        Action(command)->setEnabled(false);
    }
    connect(qApp, &QApplication::focusChanged, &connectionScope_, [this](QWidget*, QWidget* now) {
        // Cut and Copy follow the selection of whichever text control has the focus.
        disconnect(selectionWatch_);
        if (auto* line = qobject_cast<QLineEdit*>(now)) {
            selectionWatch_ = connect(line, &QLineEdit::selectionChanged, &connectionScope_, [this] { UpdateEditCommands(); });
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(now)) {
            selectionWatch_ = connect(plain, &QPlainTextEdit::selectionChanged, &connectionScope_, [this] { UpdateEditCommands(); });
        } else if (auto* rich = qobject_cast<QTextEdit*>(now)) {
            selectionWatch_ = connect(rich, &QTextEdit::selectionChanged, &connectionScope_, [this] { UpdateEditCommands(); });
        }
        UpdateEditCommands();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, &connectionScope_, [this] { UpdateEditCommands(); });
    UpdateEditCommands();
}

void CMainFrame::CreateMenus()
{
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    for (unsigned command : {Strings::FileNew, Strings::FileOpen, Strings::FileSave, Strings::FileSaveAs, Strings::FileClose}) {
        fileMenu_->addAction(Action(command));
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(Action(Strings::ImportStory));
    fileMenu_->addAction(Action(Strings::ExportBook));
    fileMenu_->addAction(Action(Strings::ExportGraph));
    fileMenu_->setSeparatorsCollapsible(true);
    fileMenu_->addSeparator();
    recentSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addAction(Action(Strings::AppExit));
    RefreshRecentFiles();

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(Action(Strings::EditUndo));
    edit->addAction(Action(Strings::EditRedo));
    edit->addSeparator();
    edit->addAction(Action(Strings::EditCut));
    edit->addAction(Action(Strings::EditCopy));
    edit->addAction(Action(Strings::EditPaste));
    edit->addSeparator();
    for (unsigned command : {Strings::EditFind, Strings::EditReplace, Strings::FindNext, Strings::FindPrevious}) {
        edit->addAction(Action(command));
    }
    edit->addSeparator();
    edit->addAction(Action(Strings::GoToSection));
    edit->addSeparator();
    edit->addAction(Action(Strings::CheckSpelling));
    connect(edit, &QMenu::aboutToShow, &connectionScope_, [this] { UpdateEditCommands(); });

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QMenu* panes = view->addMenu(tr("&Toolbars and Docking Windows"));
    panes->menuAction()->setStatusTip(CommandPrompt(Strings::ToolbarsAndPanes));
    connect(panes, &QMenu::aboutToShow, &connectionScope_, [this, panes] {
        panes->clear();
        panes->addActions(createPopupMenu()->actions());
    });
    QAction* statusBarShown = view->addAction(tr("&Status Bar"));
    statusBarShown->setCheckable(true);
    statusBarShown->setChecked(true);
    statusBarShown->setStatusTip(CommandPrompt(Strings::ToggleStatusBar));
    connect(statusBarShown, &QAction::toggled, &connectionScope_, [this](bool shown) { statusBar()->setVisible(shown); });
    actions_[Strings::ToggleStatusBar] = statusBarShown;
    view->addAction(Action(Strings::ResetViews));
    view->addAction(Action(Strings::ShowProblems));
    view->addSeparator();
    for (unsigned command : {Strings::ShowPlay, Strings::PlayFromHere, Strings::PlayFromStart}) {
        view->addAction(Action(command));
    }
    view->addSeparator();
    view->addAction(Action(Strings::PreviousView));
    view->addAction(Action(Strings::NextView));
    view->addSeparator();
    CreateLanguageMenu(*view);

    QMenu* book = menuBar()->addMenu(tr("&Book"));
    for (unsigned command : {Strings::AddSection, Strings::RemoveSection, Strings::ShuffleSections}) {
        book->addAction(Action(command));
    }
    book->addSeparator();
    book->addAction(Action(Strings::BookStatistics));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    for (unsigned command : {Strings::OnlineHelp, Strings::CheckForUpdates, Strings::SendFeedback}) {
        help->addAction(Action(command));
    }
    help->addSeparator();
    help->addAction(Action(Strings::OpenSampleBook));
    help->addSeparator();
    help->addAction(Action(Strings::AppAbout));
}

// Each language under its own name, so that an author can find theirs in any of them.
void CMainFrame::CreateLanguageMenu(QMenu& view)
{
    QMenu* languages = view.addMenu(tr("Lan&guage"));
    languages->setObjectName(QStringLiteral("LanguageMenu"));
    auto* choice = new QActionGroup(languages);
    const QString spoken = Translation::ChosenProgramLanguage();
    for (const QString& language : Translation::ProgramLanguages()) {
        QAction* item = languages->addAction(Translation::NativeLanguageName(language));
        item->setCheckable(true);
        item->setChecked(language == spoken);
        item->setActionGroup(choice);
        connect(item, &QAction::triggered, &connectionScope_, [this, language] {
            Translation::ChooseProgramLanguage(language);
            statusBar()->showMessage(tr("The program speaks the language chosen from the next time it starts."));
        });
    }
}

void CMainFrame::CreateToolBar()
{
    // The freedesktop names, which every icon theme follows; Qt's own pictures where the
    // theme has none.
    static const struct {
        unsigned command;
        const char* theme;
        QStyle::StandardPixmap fallback;
    } icons[] = {
        {Strings::FileNew, "document-new", QStyle::SP_FileIcon},
        {Strings::FileOpen, "document-open", QStyle::SP_DialogOpenButton},
        {Strings::FileSave, "document-save", QStyle::SP_DialogSaveButton},
        {Strings::FileSaveAs, "document-save-as", QStyle::SP_DialogSaveButton},
        {Strings::FileClose, "window-close", QStyle::SP_DialogCloseButton},
        {Strings::AppExit, "application-exit", QStyle::SP_DialogCloseButton},
        {Strings::EditUndo, "edit-undo", QStyle::SP_ArrowBack},
        {Strings::EditRedo, "edit-redo", QStyle::SP_ArrowForward},
        {Strings::EditCut, "edit-cut", QStyle::SP_CustomBase},
        {Strings::EditCopy, "edit-copy", QStyle::SP_CustomBase},
        {Strings::EditPaste, "edit-paste", QStyle::SP_CustomBase},
        {Strings::EditFind, "edit-find", QStyle::SP_FileDialogContentsView},
        {Strings::EditReplace, "edit-find-replace", QStyle::SP_CustomBase},
        {Strings::GoToSection, "go-jump", QStyle::SP_CustomBase},
        {Strings::AddSection, "list-add", QStyle::SP_FileDialogNewFolder},
        {Strings::RemoveSection, "list-remove", QStyle::SP_TrashIcon},
        {Strings::ShuffleSections, "media-playlist-shuffle", QStyle::SP_BrowserReload},
        {Strings::PlayFromHere, "media-playback-start", QStyle::SP_MediaPlay},
        {Strings::OnlineHelp, "help-browser", QStyle::SP_DialogHelpButton},
        {Strings::AppAbout, "help-about", QStyle::SP_MessageBoxInformation},
    };
    for (const auto& [command, theme, fallback] : icons) {
        const QIcon standard = fallback == QStyle::SP_CustomBase ? QIcon() : style()->standardIcon(fallback);
        Action(command)->setIcon(QIcon::fromTheme(QString::fromLatin1(theme), standard));
    }
    QToolBar* bar = addToolBar(LoadString(Strings::StandardToolbar));
    bar->setObjectName(QStringLiteral("StandardToolbar"));
    for (unsigned command : {Strings::FileNew, Strings::FileOpen, Strings::FileSave}) {
        bar->addAction(Action(command));
    }
    bar->addSeparator();
    bar->addAction(Action(Strings::EditUndo));
    bar->addAction(Action(Strings::EditRedo));
    bar->addSeparator();
    for (unsigned command : {Strings::AddSection, Strings::RemoveSection, Strings::ShuffleSections}) {
        bar->addAction(Action(command));
    }
    bar->addSeparator();
    bar->addAction(Action(Strings::AppAbout));
}

void CMainFrame::RefreshRecentFiles()
{
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    const QStringList& paths = recentFiles_.Paths();
    for (int index = 0; index < paths.size(); ++index) {
        const QString path = paths[index];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(index + 1).arg(path), this);
        action->setStatusTip(CommandPrompt(Strings::RecentFile));
        connect(action, &QAction::triggered, &connectionScope_, [this, path] { OpenFile(path); });
        fileMenu_->insertAction(recentSeparator_, action);
        recentActions_.push_back(action);
    }
}

void CMainFrame::UpdateEditCommands()
{
    const FocusedText focused = FocusedText::Find();
    const EditCommandStates states = EditCommandStatesFor(focused.HasSelection(), focused.Editable());
    Action(Strings::EditCut)->setEnabled(states.cut);
    Action(Strings::EditCopy)->setEnabled(states.copy);
    Action(Strings::EditPaste)->setEnabled(states.paste);
}

}  // namespace TarnGui
