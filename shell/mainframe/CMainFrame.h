// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IFrameworkView.h"
#include "controllers/SectionSelection.h"
#include "document/BookLock.h"
#include "document/DocumentNotifications.h"
#include "printing/PageSetup.h"
#include "search/BookSearch.h"
#include "shell/support/BookJobs.h"

#include <QMainWindow>
#include <QUrl>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QDockWidget;
class QMenu;

namespace TarnViewModel {
class BookOutlineController;
class BookPreviewController;
class BookPropertiesController;
class ChoicesController;
class FindReplaceController;
class PlayController;
class FlowchartController;
class FrameworkController;
class ProblemsController;
class SectionDetailsController;
class SectionPropertiesController;
class TarnDataModel;
}  // namespace TarnViewModel

namespace TarnGui {

class BookAutosave;
class CBookPropertiesPane;
class CChoicesPane;
class CFindReplacePane;
class CFlowchartPane;
class COutlinePane;
class CPlayPane;
class CProblemsPane;
class CPreviewPane;
class CSectionPropertiesPane;
class CSectionView;
class RecentFiles;
class SpellingService;

// The main window: owns the controllers and the panes, and carries out the menu commands.
class CMainFrame : public QMainWindow, public TarnViewModel::IFrameworkView {
    Q_OBJECT
public:
    // False once the author asked not to be asked before choices go with a removed section.
    static constexpr const char* AskBeforeRemovingSetting = "Confirm/RemoveSectionWithChoicesToIt";

    // Opens a web page, a mail link or an exported file with the desktop's default program.
    using UrlOpener = std::function<bool(const QUrl&)>;

    CMainFrame(TarnViewModel::TarnDataModel& model, RecentFiles& recentFiles);
    ~CMainFrame() override;

    void SetSectionSelected(bool selected) override;
    void SetBookHasSections(bool hasSections) override;
    void SetUndoRedoState(bool canUndo, bool canRedo) override;
    void OnBookReset() override;
    bool AskSaveChanges() override;
    std::pair<bool, std::wstring> AskSaveFileName(const std::wstring& currentPath) override;

    // The commands, each guarded so that its errors are shown rather than thrown.
    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OpenFile(const QString& path);
    void OnFileSave();
    void OnFileSaveAs();
    void OnImportStory();
    void OnOpenSampleBook();
    void OnGoToSection();
    void OnBookStatistics();
    void OnFind(bool replacing);
    void OnFindNext(bool forward);
    void OnPlay(bool fromHere);
    void OnExportBook();
    void OnExportGraph();
    void OnAddSection();
    void OnRemoveSection();
    void OnShuffleSections();
    void OnUndo();
    void OnRedo();
    void OnPreviousView();
    void OnNextView();
    void OnResetViews();
    // Puts back the window and panes as the author left them; false when there is nothing
    // to put back.
    bool RestoreLayout();

    QAction* Action(unsigned command) const;
    void SetUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }
    // The six panes in the order that Previous View and Next View step through.
    const std::array<QDockWidget*, 6>& Panes() const { return panes_; }
    CFlowchartPane* FlowchartPane() const { return flowchartPane_; }
    CChoicesPane* ChoicesPane() const { return choicesPane_; }
    COutlinePane* OutlinePane() const { return outlinePane_; }
    CPreviewPane* PreviewPane() const { return previewPane_; }
    // False while the preview is still taking in a whole book a step at a time.
    bool PreviewFilled() const;
    TarnViewModel::SectionSelection& Selection() { return selection_; }
    CSectionPropertiesPane* SectionPropertiesPane() const { return sectionPropertiesPane_; }
    CBookPropertiesPane* BookPropertiesPane() const { return bookPropertiesPane_; }
    CSectionView* SectionView() const { return sectionView_; }
    CFindReplacePane* FindReplacePane() const { return findPane_; }
    CProblemsPane* ProblemsPane() const { return problemsPane_; }
    CPlayPane* PlayPane() const { return playPane_; }
    BookAutosave& Autosave() const { return *autosave_; }
    // Where a save goes, and whether the author chose it in the file dialog, which makes it
    // one of the recent files.
    struct SaveTarget {
        std::wstring path;
        bool chosen = false;
    };
    // Writes the book as it is now to the file on the worker, while the author goes on.
    void StartSave(const SaveTarget& target);
    // Writes an export of the book as it is now on the worker, then offers to open it.
    void StartExport(const QString& path, int filterIndex);
    void StartPagesExport(const QString& folder);
    // Lays the book out on the pages and writes the PDF on the worker; its progress dialog
    // can cancel it.
    void StartPdfExport(const QString& path, const Printing::PageSetup& setup);
    // True while a save or an export runs or waits.
    bool BookJobsBusy() const { return jobs_->Busy(); }
    SpellingService& Spelling() const { return *spelling_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePanes();
    // The find and problems panes, which share the choices' place until asked for, and the
    // play pane, which shares the preview's.
    void CreateToolPanes();
    void CreateToolControllers();
    void ShowMatch(const Search::BookMatch& match, bool focus);
    void CreateSpelling();
    // Marks the sections of the play-test path in the flowchart and the outline.
    void MarkPlayPath(const std::vector<std::uint32_t>& sections);
    void CreateControllers();
    void CreateActions();
    void CreateMenus();
    void CreateLanguageMenu(QMenu& view);
    void CreateToolBar();
    QAction* AddCommand(unsigned command, const QString& text, std::function<void()> run);
    void RefreshRecentFiles();
    void UpdateEditCommands();
    void UpdateCaption();
    // After a command that may have saved, opened or replaced the book.
    void FileStateChanged();
    // Hands text typed in the section editor to the document before a command acts on it.
    void CommitTypedText();
    // The folder of the open book, where file dialogs start; empty for a book never saved.
    QString BookFolder() const;
    // Saves to the book's file, asking for one when it has none, and returns once the file
    // is written: for the question about unsaved changes, whose step goes on only then.
    void SaveBook();
    // The file to save to: the book's own, once the author agrees to replace a copy that
    // another program changed, or one the author chooses; nothing when they cancel.
    std::optional<SaveTarget> ChooseSaveFile();
    // Asks before opening a book that another program holds open; true to go on.
    bool MayOpenLockedBook(const QString& path);
    std::vector<QWidget*> FocusCycle() const;
    void StepPane(int step);
    void SizePanes();
    void FollowWindow(bool follow);
    // Undo is offered for the book's history and for typing not yet handed over.
    void UpdateUndoCommand();
    void OfferToOpen(const QString& question, const QString& path);
    bool MayRemoveSection(std::uint32_t number);
    // Opens the address with the desktop, or says that nothing could, showing it to copy.
    void OpenAddress(const QUrl& address);
    // Opens one of the maker's pages, telling it the program's version.
    void OpenVersionPage(const QString& page);
    void SendFeedback();
    void ShowAbout();

    TarnViewModel::TarnDataModel& model_;
    // Before the controllers and panes, which hear of it and outlive none of it.
    TarnViewModel::SectionSelection selection_;
    RecentFiles& recentFiles_;
    UrlOpener openUrl_;

    std::unique_ptr<TarnViewModel::FrameworkController> frameworkController_;
    std::unique_ptr<TarnViewModel::FlowchartController> flowchartController_;
    std::unique_ptr<TarnViewModel::BookOutlineController> outlineController_;
    std::unique_ptr<TarnViewModel::ChoicesController> choicesController_;
    std::unique_ptr<TarnViewModel::SectionPropertiesController> sectionPropertiesController_;
    std::unique_ptr<TarnViewModel::BookPropertiesController> bookPropertiesController_;
    std::unique_ptr<TarnViewModel::BookPreviewController> previewController_;
    std::unique_ptr<TarnViewModel::SectionDetailsController> sectionDetailsController_;
    std::unique_ptr<TarnViewModel::FindReplaceController> findController_;
    std::unique_ptr<TarnViewModel::ProblemsController> problemsController_;
    std::unique_ptr<TarnViewModel::PlayController> playController_;
    BookAutosave* autosave_ = nullptr;
    SpellingService* spelling_ = nullptr;
    TarnViewModel::BookLock bookLock_;

    CFlowchartPane* flowchartPane_ = nullptr;
    COutlinePane* outlinePane_ = nullptr;
    CSectionPropertiesPane* sectionPropertiesPane_ = nullptr;
    CBookPropertiesPane* bookPropertiesPane_ = nullptr;
    CChoicesPane* choicesPane_ = nullptr;
    CPreviewPane* previewPane_ = nullptr;
    CSectionView* sectionView_ = nullptr;
    CFindReplacePane* findPane_ = nullptr;
    CProblemsPane* problemsPane_ = nullptr;
    CPlayPane* playPane_ = nullptr;
    std::array<QDockWidget*, 6> panes_{};

    std::map<unsigned, QAction*> actions_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    std::vector<boost::signals2::scoped_connection> connections_;

    bool panesSized_ = false;
    // The panes keep their shares of the window as it is resized, until the author first
    // uses the mouse in it or an arrangement of theirs is restored.
    bool panesFollowWindow_ = true;
    bool canUndo_ = false;
    // Set while a book is opened after the author answered for the unsaved changes.
    bool changesSettled_ = false;
    QMetaObject::Connection selectionWatch_;
    // Saves given to the worker and not yet ended: the book's file changes under them, so
    // that is no news of another program.
    int savesUnderWay_ = 0;
    // Every connection the window makes is made in its name. Closing the window moves the
    // focus and hides the panes while the base class is destroyed, after the controllers;
    // going before them, it takes the window's connections with it, so that nothing reacts.
    QObject connectionScope_;
    // Last, so that it goes first: the jobs under way end, and none reports to a window
    // that is going.
    std::unique_ptr<BookJobs> jobs_;
};

}  // namespace TarnGui
