// SPDX-License-Identifier: MIT
#include "shell/mainframe/CMainFrame.h"

#include "controllers/BookOutlineController.h"
#include "controllers/BookPreviewController.h"
#include "controllers/BookPropertiesController.h"
#include "controllers/ChoicesController.h"
#include "controllers/FindReplaceController.h"
#include "controllers/FlowchartController.h"
#include "controllers/FrameworkController.h"
#include "controllers/PlayController.h"
#include "controllers/ProblemsController.h"
#include "controllers/SectionControllers.h"
#include "document/NativePath.h"
#include "document/TarnDataModel.h"
#include "drawing/QtText.h"
#include "flowchart/LayoutWorker.h"
#include "shell/dialogs/FileDialogs.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/mainframe/BookAutosave.h"
#include "shell/mainframe/WindowLayout.h"
#include "shell/panes/CBookPropertiesPane.h"
#include "shell/panes/CChoicesPane.h"
#include "shell/panes/COutlinePane.h"
#include "shell/panes/CPreviewPane.h"
#include "shell/panes/CSectionPropertiesPane.h"
#include "shell/panes/CSectionView.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/StringTable.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace TarnGui {

CMainFrame::CMainFrame(TarnViewModel::TarnDataModel& model, RecentFiles& recentFiles)
    : model_(model), selection_(model), recentFiles_(recentFiles), openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("MainFrame"));
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks | QMainWindow::AllowTabbedDocks);
    // The choices sit under the section editor, between the side columns.
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    jobs_ = std::make_unique<BookJobs>(this);
    CreatePanes();
    CreateActions();
    CreateControllers();
    CreateMenus();
    CreateToolBar();
    sectionView_->TextBox()->SetHistoryActions(Action(Strings::EditUndo), Action(Strings::EditRedo));
    // A menu that closes on a click leaves its last hint behind; an empty bar says "Ready".
    connect(statusBar(), &QStatusBar::messageChanged, &connectionScope_, [this](const QString& message) {
        if (message.isEmpty()) {
            statusBar()->showMessage(tr("Ready"));
        }
    });
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage);
    }
    statusBar()->showMessage(tr("Ready"));
    OnResetViews();
    connections_.emplace_back(model_.ConnectUndoRedoChanged([this](bool, bool) { UpdateCaption(); }));
    connections_.emplace_back(model_.ConnectTitleChanged([this](const std::wstring&) { UpdateCaption(); }));
    UpdateCaption();
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::PreviewFilled() const
{
    return !previewController_->Filling();
}

void CMainFrame::CreatePanes()
{
    flowchartPane_ = new CFlowchartPane(model_, selection_, this);
    outlinePane_ = new COutlinePane(selection_, this);
    sectionPropertiesPane_ = new CSectionPropertiesPane(model_, this);
    bookPropertiesPane_ = new CBookPropertiesPane(model_, this);
    choicesPane_ = new CChoicesPane(model_, selection_, this);
    previewPane_ = new CPreviewPane(selection_, this);
    panes_ = {flowchartPane_, outlinePane_, sectionPropertiesPane_, bookPropertiesPane_, choicesPane_, previewPane_};
    for (QDockWidget* pane : panes_) {
        pane->setAllowedAreas(Qt::AllDockWidgetAreas);
        pane->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    }
    sectionView_ = new CSectionView(model_, this);
    connect(sectionView_, &CSectionView::TypedTextChanged, &connectionScope_, [this] { UpdateUndoCommand(); });
    setCentralWidget(sectionView_);
    // Enter on the chart's selected box goes to its text; Delete removes it as the command does.
    connect(flowchartPane_, &CFlowchartPane::EditRequested, &connectionScope_,
            [this] { sectionView_->TextBox()->setFocus(Qt::OtherFocusReason); });
    connect(flowchartPane_, &CFlowchartPane::RemoveRequested, &connectionScope_, [this] { Action(Strings::RemoveSection)->trigger(); });
    CreateToolPanes();
}

// The controllers connect to the document in this order, which is the order in which
// they hear of every change.
void CMainFrame::CreateControllers()
{
    frameworkController_ = std::make_unique<TarnViewModel::FrameworkController>(model_, selection_, this);
    // Layouts run on a worker thread; their results come back through the event queue.
    auto layoutWorker = std::make_unique<Flowchart::LayoutWorker>(
        [](std::function<void()> done) { QMetaObject::invokeMethod(qApp, std::move(done), Qt::QueuedConnection); });
    flowchartController_ =
        std::make_unique<TarnViewModel::FlowchartController>(model_, selection_, flowchartPane_, std::move(layoutWorker));
    outlineController_ = std::make_unique<TarnViewModel::BookOutlineController>(model_, selection_, outlinePane_);
    choicesController_ = std::make_unique<TarnViewModel::ChoicesController>(model_, selection_, choicesPane_);
    sectionPropertiesController_ = std::make_unique<TarnViewModel::SectionPropertiesController>(model_, selection_, sectionPropertiesPane_);
    bookPropertiesController_ = std::make_unique<TarnViewModel::BookPropertiesController>(model_, bookPropertiesPane_);
    previewController_ = std::make_unique<TarnViewModel::BookPreviewController>(model_, selection_, previewPane_);
    sectionDetailsController_ = std::make_unique<TarnViewModel::SectionDetailsController>(model_, selection_, sectionView_);
    autosave_ = new BookAutosave(model_, this);
    connect(autosave_, &BookAutosave::Restored, &connectionScope_, [this] { FileStateChanged(); });
    flowchartPane_->SetController(flowchartController_.get());
    choicesPane_->SetController(choicesController_.get());
    CreateToolControllers();
}

void CMainFrame::SetSectionSelected(bool selected)
{
    Action(Strings::RemoveSection)->setEnabled(selected);
}

void CMainFrame::SetBookHasSections(bool hasSections)
{
    Action(Strings::ShuffleSections)->setEnabled(hasSections);
}

void CMainFrame::SetUndoRedoState(bool canUndo, bool canRedo)
{
    canUndo_ = canUndo;
    UpdateUndoCommand();
    Action(Strings::EditRedo)->setEnabled(canRedo);
}

void CMainFrame::UpdateUndoCommand()
{
    Action(Strings::EditUndo)->setEnabled(canUndo_ || sectionView_->HasTypedText());
    UpdateCaption();
}

void CMainFrame::OnBookReset() {}

bool CMainFrame::AskSaveChanges()
{
    if (changesSettled_) {
        return true;
    }
    const QString path = model_.GetFilePath().empty() ? LoadString(Strings::Untitled) : Drawing::ToQString(model_.GetFilePath());
    const QString question = LoadString(Strings::SaveChanges).replace(QStringLiteral("%s"), path);
    switch (Ask(this, question, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        // A failed save is shown here and leaves the book modified, which cancels.
        RunGuarded(this, [this] { SaveBook(); });
        return false;
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

std::pair<bool, std::wstring> CMainFrame::AskSaveFileName(const std::wstring& currentPath)
{
    const QString proposed = currentPath.empty() ? LoadString(Strings::Untitled) : Drawing::ToQString(currentPath);
    const std::optional<ChosenFile> chosen = AskFileName(this, FileDialogKind::Save, BookFileFilters(), 1, proposed, tr("Save Book As"));
    if (!chosen) {
        return {false, L""};
    }
    return {true, Drawing::ToWString(chosen->path)};
}

QAction* CMainFrame::Action(unsigned command) const
{
    return actions_.at(command);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    setFocus(Qt::OtherFocusReason);
    // A save or an export under way ends first, so that the question below sees the book as
    // saved and no file is left half written.
    jobs_->Finish();
    bool mayClose = false;
    RunGuarded(this, [&] {
        CommitTypedText();
        mayClose = frameworkController_->MayDiscardChanges();
    });
    if (mayClose) {
        autosave_->Close();
        SaveWindowLayout(*this);
        event->accept();
    } else {
        event->ignore();
    }
}

// The panes are sized from the window, which has its real size only once it is shown.
void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!panesSized_ && panesFollowWindow_) {
        panesSized_ = true;
        // Once the dock layout has taken the shown size.
        QTimer::singleShot(0, this, [this] { SizePanes(); });
    }
}

// A window manager often maximises the window only after it is shown.
void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (panesSized_ && panesFollowWindow_) {
        QTimer::singleShot(0, this, [this] {
            if (panesFollowWindow_) {
                SizePanes();
            }
        });
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && panesFollowWindow_) {
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (widget != nullptr && widget->window() == this) {
            FollowWindow(false);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::RestoreLayout()
{
    if (!RestoreWindowLayout(*this)) {
        return false;
    }
    FollowWindow(false);
    return true;
}

void CMainFrame::FollowWindow(bool follow)
{
    panesFollowWindow_ = follow;
    if (follow) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

void CMainFrame::FileStateChanged()
{
    UpdateCaption();
    autosave_->BookSettled();
    if (model_.GetFilePath().empty()) {
        bookLock_.Release();
    } else {
        bookLock_.Hold(TarnViewModel::NativePath(model_.GetFilePath()));
    }
}

void CMainFrame::UpdateCaption()
{
    const std::wstring& path = model_.GetFilePath();
    const QString name = path.empty() ? LoadString(Strings::Untitled) : QFileInfo(Drawing::ToQString(path)).fileName();
    setWindowTitle(QStringLiteral("%1%2 - %3")
                       .arg(name, model_.IsModified() || sectionView_->HasTypedText() ? QStringLiteral("*") : QString(),
                            LoadString(Strings::ApplicationTitle)));
}

QString CMainFrame::BookFolder() const
{
    const std::wstring& path = model_.GetFilePath();
    return path.empty() ? QString() : QFileInfo(Drawing::ToQString(path)).absolutePath();
}

void CMainFrame::CommitTypedText()
{
    sectionView_->CommitText();
}

}  // namespace TarnGui
