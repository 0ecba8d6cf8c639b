// SPDX-License-Identifier: MIT
#include "shell/mainframe/CMainFrame.h"

#include "controllers/FrameworkController.h"
#include "document/BookFileReader.h"
#include "document/BookFileWriter.h"
#include "document/BookWording.h"
#include "document/NativePath.h"
#include "document/TarnDataModel.h"
#include "drawing/FlowchartImage.h"
#include "drawing/QtText.h"
#include "export/ExportFile.h"
#include "export/ExporterSelection.h"
#include "import/StoryImport.h"
#include "import/TwineFile.h"
#include "printing/PdfBookWriter.h"
#include "printing/PrintedBook.h"
#include "shell/dialogs/CAboutDlg.h"
#include "shell/dialogs/ExportTypeDlg.h"
#include "shell/dialogs/FileDialogs.h"
#include "shell/dialogs/PdfPageSetupDlg.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/mainframe/RecentFiles.h"
#include "shell/panes/CBookPropertiesPane.h"
#include "shell/panes/CChoicesPane.h"
#include "shell/panes/CFindReplacePane.h"
#include "shell/panes/COutlinePane.h"
#include "shell/panes/CPlayPane.h"
#include "shell/panes/CPreviewPane.h"
#include "shell/panes/CProblemsPane.h"
#include "shell/panes/CSectionPropertiesPane.h"
#include "shell/panes/CSectionView.h"
#include "shell/panes/PropertyGrid.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/ProgramVersion.h"
#include "shell/support/StringTable.h"
#include "shell/support/WaitCursor.h"
#include "translation/Translated.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QInputDialog>
#include <QScopedValueRollback>
#include <QSettings>
#include <QUrlQuery>

#include <stdexcept>

namespace TarnGui {

namespace {

std::vector<FileFilter> BookExportFilters()
{
    return {{LoadString(Strings::TextFiles), QStringLiteral("*.txt")},  {LoadString(Strings::RichTextFiles), QStringLiteral("*.rtf")},
            {LoadString(Strings::HtmlFiles), QStringLiteral("*.html")}, {LoadString(Strings::XmlFiles), QStringLiteral("*.xml")},
            {LoadString(Strings::JsonFiles), QStringLiteral("*.json")}, {LoadString(Strings::ChoiceScriptFiles), QStringLiteral("*.txt")},
            {LoadString(Strings::EpubFiles), QStringLiteral("*.epub")}, {LoadString(Strings::PdfFiles), QStringLiteral("*.pdf")},
            {LoadString(Strings::TweeFiles), QStringLiteral("*.twee")}};
}

std::vector<FileFilter> StoryImportFilters()
{
    return {{QCoreApplication::translate("TarnGui::CMainFrame", "Twine stories"), QStringLiteral("*.twee *.tw *.html *.htm")},
            {QCoreApplication::translate("TarnGui::CMainFrame", "All files"), QStringLiteral("*")}};
}

// The story to import from a file of several, asked for by name; nothing when cancelled.
std::optional<std::size_t> AskForStory(QWidget* parent, const Import::TwineFile& file)
{
    if (file.stories.size() == 1) {
        return 0;
    }
    QStringList names;
    for (const Import::TwineStory& story : file.stories) {
        // Numbered, as two stories may share a name.
        names << QStringLiteral("%1. %2").arg(names.size() + 1).arg(QString::fromStdString(story.name));
    }
    bool chosen = false;
    const QString name = QInputDialog::getItem(
        parent, QCoreApplication::translate("TarnGui::CMainFrame", "Import Story"),
        QCoreApplication::translate("TarnGui::CMainFrame", "The file holds %1 stories. Import which one?").arg(names.size()), names, 0,
        false, &chosen);
    if (!chosen) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(names.indexOf(name));
}

// What was left out or read in spite of a fault, the first few of many.
QString ImportWarnings(const Import::ImportWarnings& warnings)
{
    constexpr std::size_t Shown = 12;
    QString text = QCoreApplication::translate("TarnGui::CMainFrame", "The story was imported, with these notes:\n");
    for (std::size_t index = 0; index < std::min(warnings.size(), Shown); ++index) {
        text += QStringLiteral("\n• ") + Translation::Translated(warnings[index]);
    }
    if (warnings.size() > Shown) {
        text += QCoreApplication::translate("TarnGui::CMainFrame", "\n\n…and %1 more.").arg(warnings.size() - Shown);
    }
    return text;
}

std::vector<FileFilter> ImageExportFilters()
{
    return {{LoadString(Strings::BmpFilter), QStringLiteral("*.bmp")},
            {LoadString(Strings::PngFilter), QStringLiteral("*.png")},
            {LoadString(Strings::JpgFilter), QStringLiteral("*.jpg")},
            {LoadString(Strings::GifFilter), QStringLiteral("*.gif")}};
}

constexpr int HtmlFilter = 3;
constexpr int PdfFilter = 8;
constexpr int PngFilter = 2;

}  // namespace

void CMainFrame::OnFileNew()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        if (frameworkController_->MayDiscardChanges()) {
            model_.NewBook();
        }
    });
    FileStateChanged();
}

// A window holds one book: closing it leaves a new, empty one.
void CMainFrame::OnFileClose()
{
    OnFileNew();
}

// Unsaved changes are settled before a file is chosen, so that the author is not asked
// about them after choosing.
void CMainFrame::OnFileOpen()
{
    bool mayDiscard = false;
    RunGuarded(this, [this, &mayDiscard] { mayDiscard = frameworkController_->MayDiscardChanges(); });
    if (!mayDiscard) {
        return;
    }
    if (const std::optional<ChosenFile> chosen =
            AskFileName(this, FileDialogKind::Open, BookFileFilters(), 1, QString(), tr("Open Book"), BookFolder())) {
        const QScopedValueRollback<bool> settled(changesSettled_, true);
        OpenFile(chosen->path);
    }
}

void CMainFrame::OpenFile(const QString& path)
{
    RunGuarded(this, [this, &path] {
        CommitTypedText();
        const std::wstring widePath = Drawing::ToWString(path);
        TarnViewModel::TarnDataModel::CheckFileExists(widePath);
        if (!MayOpenLockedBook(path) || !frameworkController_->MayDiscardChanges()) {
            return;
        }
        {
            const WaitCursor wait;
            model_.Load(widePath);
        }
        recentFiles_.Add(path);
        RefreshRecentFiles();
    });
    FileStateChanged();
}

void CMainFrame::OnFileSave()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        if (const std::optional<SaveTarget> target = ChooseSaveFile()) {
            StartSave(*target);
        }
    });
    FileStateChanged();
}

void CMainFrame::OnFileSaveAs()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        const auto [chosen, path] = AskSaveFileName(model_.GetFilePath());
        if (chosen) {
            StartSave({path, true});
        }
    });
    FileStateChanged();
}

bool CMainFrame::MayOpenLockedBook(const QString& path)
{
    const std::string fileName = TarnViewModel::NativePath(Drawing::ToWString(path));
    if (fileName == bookLock_.Book()) {
        return true;
    }
    const std::optional<TarnViewModel::BookLockOwner> owner = TarnViewModel::BookLockedBy(fileName);
    if (!owner) {
        return true;
    }
    const QString question =
        tr("\"%1\" is open in %2 by %3 on %4 since %5.\n\nChanges made in both places will overwrite each other. Open it anyway?")
            .arg(QFileInfo(path).fileName(), QString::fromStdString(owner->program), QString::fromStdString(owner->user),
                 QString::fromStdString(owner->host), QString::fromStdString(owner->since));
    return Ask(this, question, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<CMainFrame::SaveTarget> CMainFrame::ChooseSaveFile()
{
    if (model_.GetFilePath().empty()) {
        const auto [chosen, path] = AskSaveFileName(L"");
        return chosen ? std::optional<SaveTarget>({path, true}) : std::nullopt;
    }
    if (savesUnderWay_ == 0 && model_.ChangedOnDisk()) {
        const QString question =
            tr("\"%1\" has been changed by another program since it was opened or saved here.\n\nReplace it with this version?")
                .arg(QFileInfo(Drawing::ToQString(model_.GetFilePath())).fileName());
        if (Ask(this, question, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
            return std::nullopt;
        }
    }
    return SaveTarget{model_.GetFilePath(), false};
}

void CMainFrame::SaveBook()
{
    CommitTypedText();
    if (const std::optional<SaveTarget> target = ChooseSaveFile()) {
        StartSave(*target);
        jobs_->Finish();
    }
}

void CMainFrame::StartSave(const SaveTarget& target)
{
    const TarnViewModel::SharedBook book = model_.Snapshot();
    ++savesUnderWay_;
    jobs_->Run(
        tr("Saving the book..."), false,
        [book, path = target.path](const BookJobs::Progress&, std::stop_token) { return TarnViewModel::WriteBook(*book, path); },
        [this, book, target](std::optional<TarnViewModel::FileStamp> stamp) {
            --savesUnderWay_;
            model_.MarkSnapshotSaved(*book, target.path, stamp);
            if (target.chosen) {
                recentFiles_.Add(Drawing::ToQString(target.path));
                RefreshRecentFiles();
            }
            FileStateChanged();
        },
        [this] { --savesUnderWay_; });
}

void CMainFrame::OnImportStory()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        const std::optional<ChosenFile> chosen =
            AskFileName(this, FileDialogKind::Open, StoryImportFilters(), 1, QString(), tr("Import Story"), BookFolder());
        if (!chosen) {
            return;
        }
        const std::string fileName = TarnViewModel::NativePath(Drawing::ToWString(chosen->path));
        Import::TwineFile file;
        {
            const WaitCursor wait;
            file = Import::ReadTwineFile(fileName);
        }
        const std::optional<std::size_t> story = AskForStory(this, file);
        if (!story) {
            return;
        }
        Import::ImportWarnings warnings = file.warnings;
        TarnViewModel::BookFileContents contents = Import::ImportStory(file.stories[*story], fileName, warnings);
        contents.footer = TarnViewModel::BookWordingFor(contents.details.language).footer;
        if (!frameworkController_->MayDiscardChanges()) {
            return;
        }
        {
            const WaitCursor wait;
            model_.OpenImported(std::move(contents));
        }
        if (!warnings.empty()) {
            Ask(this, ImportWarnings(warnings), QMessageBox::Information, QMessageBox::Ok);
        }
    });
    FileStateChanged();
}

void CMainFrame::OnOpenSampleBook()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        QFile sample(QStringLiteral(":/samples/gull-point.brindle"));
        if (!sample.open(QIODevice::ReadOnly)) {
            throw std::runtime_error(tr("The sample book is missing from this build of the program.").toStdString());
        }
        const QByteArray text = sample.readAll();
        if (!frameworkController_->MayDiscardChanges()) {
            return;
        }
        const WaitCursor wait;
        model_.OpenUntitledCopy(TarnViewModel::ReadBookText(text.toStdString(), "the sample book"));
    });
    FileStateChanged();
}

void CMainFrame::OnExportBook()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        ExportTypeDlg type(this);
        if (type.exec() != QDialog::Accepted) {
            return;
        }
        if (!type.OnePagePerSection()) {
            const std::vector<FileFilter> filters = BookExportFilters();
            const QString proposed = ProposedBaseName(Drawing::ToQString(model_.GetFilePath())) + QStringLiteral(".html");
            const std::optional<ChosenFile> chosen =
                AskFileName(this, FileDialogKind::Save, filters, HtmlFilter, proposed, tr("Export Book"), BookFolder());
            if (!chosen) {
                return;
            }
            TarnViewModel::RefuseExportOverBook(Drawing::ToWString(chosen->path), model_.GetFilePath());
            if (chosen->filterIndex == PdfFilter) {
                PdfPageSetupDlg pages(this);
                if (pages.exec() == QDialog::Accepted) {
                    StartPdfExport(chosen->path, pages.Chosen());
                }
            } else {
                StartExport(chosen->path, chosen->filterIndex);
            }
            return;
        }
        const std::optional<QString> folder = AskFolder(this, BookFolder());
        if (!folder) {
            return;
        }
        if (!QDir(*folder).isEmpty() &&
            Ask(this, LoadString(Strings::FolderNotEmpty), QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
        StartPagesExport(*folder);
    });
}

void CMainFrame::StartExport(const QString& path, int filterIndex)
{
    const TarnViewModel::SharedBook book = model_.Snapshot();
    jobs_->Run(
        tr("Exporting the book..."), false,
        [book, path = Drawing::ToWString(path), filterIndex](const BookJobs::Progress&, std::stop_token) {
            TarnViewModel::ExportFile file(path, TarnViewModel::ReplacingFile::Sync::OnCommit, TarnViewModel::ExportLineEnds(filterIndex));
            TarnViewModel::FrameworkController::ExportBook(*book, file.Stream(), filterIndex);
            file.Close();
        },
        [this, path] { OfferToOpen(LoadString(Strings::OpenExportedBook), path); });
}

void CMainFrame::StartPagesExport(const QString& folder)
{
    const TarnViewModel::SharedBook book = model_.Snapshot();
    jobs_->Run(
        tr("Writing the book's pages..."), false,
        [book, folder = Drawing::ToWString(folder)](const BookJobs::Progress& progress, std::stop_token) {
            const std::size_t total = book->SectionCount();
            TarnViewModel::FrameworkController::ExportBookMultiPage(*book, folder,
                                                                    [&progress, total](std::size_t written) { progress(written, total); });
        },
        [this, folder] { OfferToOpen(LoadString(Strings::OpenExportedBook), folder); });
}

void CMainFrame::StartPdfExport(const QString& path, const Printing::PageSetup& setup)
{
    const TarnViewModel::SharedBook book = model_.Snapshot();
    jobs_->Run(
        tr("Laying out the book's pages..."), true,
        [book, setup, path = Drawing::ToWString(path)](const BookJobs::Progress& progress, std::stop_token stop) {
            const std::optional<std::string> pdf = Printing::WritePdfBook(Printing::CopyPrintedBook(*book), setup, progress, stop);
            if (!pdf) {
                return false;
            }
            TarnViewModel::ExportFile file(path, TarnViewModel::ReplacingFile::Sync::OnCommit,
                                           TarnViewModel::ExportFile::LineEnds::AsWritten);
            file.Stream() << *pdf;
            file.Close();
            return true;
        },
        [this, path](bool written) {
            if (written) {
                OfferToOpen(LoadString(Strings::OpenExportedBook), path);
            }
        });
}

void CMainFrame::OnExportGraph()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        const QString proposed = ProposedBaseName(Drawing::ToQString(model_.GetFilePath())) + QStringLiteral(".png");
        const std::optional<ChosenFile> chosen =
            AskFileName(this, FileDialogKind::Save, ImageExportFilters(), PngFilter, proposed, tr("Export Flowchart Image"), BookFolder());
        if (!chosen) {
            return;
        }
        TarnViewModel::RefuseExportOverBook(Drawing::ToWString(chosen->path), model_.GetFilePath());
        flowchartPane_->WhenLaidOut([this, path = chosen->path, type = Drawing::ImageTypeForFilter(chosen->filterIndex)] {
            RunGuarded(this, [&] {
                {
                    const WaitCursor wait;
                    const CFlowchart* chart = flowchartPane_->Chart();
                    Drawing::WriteFlowchartImage(Drawing::RenderFlowchartImage(chart->Scene(), chart->Fonts(), chart->Zoom()), path, type);
                }
                OfferToOpen(LoadString(Strings::OpenExportedFlowchart), path);
            });
        });
    });
}

void CMainFrame::OnAddSection()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        frameworkController_->AddNewSection();
        // What the author types next is the new section's text, whatever had the focus.
        sectionView_->TextBox()->setFocus(Qt::OtherFocusReason);
    });
}

void CMainFrame::OnRemoveSection()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        const std::uint32_t number = selection_.GetCurrentSection();
        if (!MayRemoveSection(number)) {
            return;
        }
        model_.DeleteSectionAndChoices(number);
    });
}

// Choices from other sections go with the section; the author is asked first, unless they
// said not to be asked again.
bool CMainFrame::MayRemoveSection(std::uint32_t number)
{
    if (!QSettings().value(AskBeforeRemovingSetting, true).toBool() || !model_.GetStoryGraph().HasSection(number)) {
        return true;
    }
    std::size_t leading = 0;
    model_.GetStoryGraph().VisitChoices(
        [&](const TarnViewModel::Choice& choice) { leading += choice.destination == number && choice.source != number ? 1 : 0; });
    if (leading == 0) {
        return true;
    }
    const QString question = leading == 1 ? tr("Section %1 has 1 choice leading to it. Remove it and the choice?").arg(number)
                                          : tr("Section %1 has %2 choices leading to it. Remove it and them?").arg(number).arg(leading);
    QMessageBox box(QMessageBox::Question, LoadString(Strings::ApplicationTitle), question, QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    auto* dontAsk = new QCheckBox(tr("Don't ask again"), &box);
    box.setCheckBox(dontAsk);
    const bool remove = box.exec() == QMessageBox::Yes;
    if (remove && dontAsk->isChecked()) {
        QSettings().setValue(AskBeforeRemovingSetting, false);
    }
    return remove;
}

void CMainFrame::OnShuffleSections()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        const WaitCursor wait;
        model_.Shuffle();
    });
}

void CMainFrame::OnUndo()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        if (model_.CanUndo()) {
            // Undoing a shuffle or a load-sized change redraws every pane.
            const WaitCursor wait;
            model_.Undo();
        }
    });
}

void CMainFrame::OnRedo()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        if (model_.CanRedo()) {
            const WaitCursor wait;
            model_.Redo();
        }
    });
}

void CMainFrame::OnPreviousView()
{
    StepPane(-1);
}

void CMainFrame::OnNextView()
{
    StepPane(1);
}

// The section editor, then every open pane, the tools last; a closed pane is left closed.
std::vector<QWidget*> CMainFrame::FocusCycle() const
{
    std::vector<QDockWidget*> panes(panes_.begin(), panes_.end());
    panes.insert(panes.end(), {findPane_, problemsPane_, playPane_});
    std::vector<QWidget*> cycle{sectionView_};
    std::copy_if(panes.begin(), panes.end(), std::back_inserter(cycle),
                 [](QDockWidget* pane) { return pane->toggleViewAction()->isChecked(); });
    return cycle;
}

void CMainFrame::StepPane(int step)
{
    const std::vector<QWidget*> cycle = FocusCycle();
    QWidget* focus = QApplication::focusWidget();
    const auto holder = std::find_if(cycle.begin(), cycle.end(),
                                     [focus](QWidget* area) { return focus != nullptr && (area == focus || area->isAncestorOf(focus)); });
    const auto count = static_cast<std::ptrdiff_t>(cycle.size());
    // From the menu bar, the tool bar or anywhere else outside the cycle, F6 starts at its
    // beginning and Shift+F6 at its end.
    const std::ptrdiff_t from = holder != cycle.end() ? holder - cycle.begin() : (step > 0 ? -1 : count);
    QWidget* next = cycle[static_cast<std::size_t>(((from + step) % count + count) % count)];
    if (auto* pane = qobject_cast<QDockWidget*>(next)) {
        pane->raise();
        next = pane->widget();
    }
    next->setFocus(Qt::OtherFocusReason);
    next->window()->activateWindow();
}

void CMainFrame::OnResetViews()
{
    for (QDockWidget* pane : panes_) {
        pane->setFloating(false);
        removeDockWidget(pane);
    }
    addDockWidget(Qt::LeftDockWidgetArea, outlinePane_);
    addDockWidget(Qt::LeftDockWidgetArea, sectionPropertiesPane_);
    addDockWidget(Qt::LeftDockWidgetArea, bookPropertiesPane_);
    addDockWidget(Qt::RightDockWidgetArea, flowchartPane_);
    addDockWidget(Qt::RightDockWidgetArea, previewPane_);
    addDockWidget(Qt::BottomDockWidgetArea, choicesPane_);
    for (QDockWidget* pane : panes_) {
        pane->show();
    }
    for (auto [pane, beside] : std::array<std::pair<QDockWidget*, QDockWidget*>, 3>{
             {{findPane_, choicesPane_}, {problemsPane_, choicesPane_}, {playPane_, previewPane_}}}) {
        pane->setFloating(false);
        removeDockWidget(pane);
        tabifyDockWidget(beside, pane);
        pane->hide();
    }
    FollowWindow(true);
    SizePanes();
}

// The flowchart takes the largest share, the side column room for every property's name,
// and the choices a third of the height under the section editor.
void CMainFrame::SizePanes()
{
    const QSize client = size();
    const int names = std::max(sectionPropertiesPane_->Grid()->NeededWidth(), bookPropertiesPane_->Grid()->NeededWidth());
    // Up to a third of a small window (a big scale factor makes any screen small), so that
    // the property names still show whole.
    const int side = std::clamp(names, client.width() / 5, client.width() / 3);
    resizeDocks({outlinePane_, flowchartPane_}, {side, client.width() * 9 / 20}, Qt::Horizontal);
    resizeDocks({flowchartPane_, previewPane_}, {client.height() * 13 / 20, client.height() * 7 / 20}, Qt::Vertical);
    resizeDocks({outlinePane_, sectionPropertiesPane_, bookPropertiesPane_},
                {client.height() / 4, client.height() * 3 / 10, client.height() * 9 / 20}, Qt::Vertical);
    resizeDocks({choicesPane_}, {client.height() / 3}, Qt::Vertical);
}

void CMainFrame::OfferToOpen(const QString& question, const QString& path)
{
    if (Ask(this, question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
        OpenAddress(QUrl::fromLocalFile(path));
    }
}

void CMainFrame::OpenAddress(const QUrl& address)
{
    if (openUrl_(address)) {
        return;
    }
    const QString shown = address.isLocalFile() ? address.toLocalFile() : address.toString();
    QMessageBox box(QMessageBox::Information, LoadString(Strings::ApplicationTitle),
                    tr("Nothing on this computer could open this for you:\n\n%1\n\nCopy it to open it elsewhere.").arg(shown),
                    QMessageBox::Ok, this);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void CMainFrame::OpenVersionPage(const QString& page)
{
    QUrl address(page);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("version"), ProgramVersion);
    address.setQuery(query);
    OpenAddress(address);
}

void CMainFrame::SendFeedback()
{
    QUrl mail(QStringLiteral("mailto:") + FeedbackAddress);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Brindle %1 Feedback").arg(ProgramVersion));
    mail.setQuery(query);
    OpenAddress(mail);
}

void CMainFrame::ShowAbout()
{
    CAboutDlg about([this](const QString& page) { OpenAddress(QUrl(page)); }, this);
    about.exec();
}

}  // namespace TarnGui
