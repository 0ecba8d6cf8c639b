// SPDX-License-Identifier: MIT
#pragma once

#include "commands/ICommand.h"
#include "commands/ICommandTarget.h"
#include "document/BookDetails.h"
#include "document/BookFileContents.h"
#include "document/BookSnapshot.h"
#include "document/ChoiceTemplate.h"
#include "document/DocumentNotifications.h"
#include "document/FileStamp.h"
#include "document/Font.h"
#include "graph/StoryGraph.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace TarnViewModel {

// The book document: the story graph, the book's properties, the modified flag and the
// undo and redo histories. Every change marks the book modified and then
// raises its notifications; every check runs before the first change.
class TarnDataModel final : public ICommandTarget, public DocumentNotifications {
public:
    static constexpr std::uint32_t HighestNumber = 10000;
    static constexpr std::size_t UndoLimit = 200;

    TarnDataModel();
    TarnDataModel(const TarnDataModel&) = delete;
    TarnDataModel& operator=(const TarnDataModel&) = delete;
    ~TarnDataModel();

    // Structural operations replayed by the commands.
    void AddSection(const Section& section) override;
    void DeleteSection(const Section& section) override;
    void AddChoice(const Choice& choice) override;
    void DeleteChoice(const Choice& choice, ChoiceDeleteCause cause) override;
    void UpdateChoice(const Choice& from, const Choice& to) override;
    void RenumberSections(const Numbering& numbers) override;
    void BeginBulkChange() override;
    void EndBulkChange() override;

    // Direct setters, called by the property commands; none of them records anything.
    void SetSectionSummary(std::uint32_t number, const std::wstring& summary);
    void SetSectionText(std::uint32_t number, const std::wstring& text);
    void SetSectionShiftable(std::uint32_t number, bool shiftable);
    void SetSectionBackgroundColour(std::uint32_t number, CommonLib::ColourUtilities::RGBColour colour);
    void SetSectionNumber(std::uint32_t from, std::uint32_t to);
    void SetTitle(const std::wstring& title);
    void SetAuthor(const std::wstring& author);
    // Refuses a text that is not a BCP 47 language tag.
    void SetLanguage(const std::wstring& language);
    void SetFooter(const std::wstring& footer);
    void SetNewPagePerSection(bool newPage);
    void SetFont(CommonLib::FontType type, const CommonLib::Font& font);
    void SetChoiceFormat(const std::wstring& format);

    // Editing operations: each builds its command, executes it and records it.
    void CreateSection(std::uint32_t number, const std::wstring& summary);
    Uuid AddChoiceTo(std::uint32_t source, std::uint32_t destination, const std::wstring& text, bool hidden);
    void EditChoice(const Uuid& id, std::uint32_t destination, const std::wstring& text, bool hidden);
    void SetChoiceOrder(std::int32_t order, const Uuid& id);
    void DeleteChoices(const std::vector<Uuid>& ids);
    void DeleteSectionAndChoices(std::uint32_t number);
    void SetMainFont(const CommonLib::Font& font);
    void SetHeaderFont(const CommonLib::Font& font);
    void SetFooterFont(const CommonLib::Font& font);
    void SetSectionShiftableRecorded(std::uint32_t number, bool shiftable);
    void SetNewPagePerSectionRecorded(bool newPage);

    // Queries.
    const StoryGraph& GetStoryGraph() const { return graph_; }
    std::wstring GetChoiceTemplateName(const std::wstring& format) const;
    const std::wstring& GetTitle() const { return title_; }
    const BookDetails& GetDetails() const { return details_; }
    const std::wstring& GetFooter() const { return footer_; }
    const std::wstring& GetChoiceFormat() const { return choiceFormat_; }
    const std::wstring& GetFilePath() const { return filePath_; }
    bool GetNewPagePerSection() const { return newPagePerSection_; }
    const std::vector<ChoiceTemplate>& GetChoiceTemplates() const { return choiceTemplates_; }
    bool IsModified() const { return modified_; }
    // Changes with every change to the book, saved or not, and with every book loaded or made.
    std::uint64_t Revision() const { return revision_; }
    // The book as it is now, for reading it on another thread.
    SharedBook Snapshot() const;
    // The bytes the book's file takes at most, as it is now.
    std::uint64_t FileSize() const;
    // The bytes the book's file may still grow by.
    std::uint64_t Room() const;
    // Refuses a change that would grow the book's file by this many bytes past what a book
    // may take; one that makes it smaller always passes.
    void CheckGrowth(std::int64_t growth) const;
    CommonLib::Font GetFont(CommonLib::FontType type) const;

    // Book-wide operations. Replacing the book never asks anything: the caller settles the
    // open book's unsaved changes first.
    // A new book in the language of the system, with that language's words.
    void NewBook();
    void NewBook(const std::wstring& title, const std::wstring& footer);
    void Clear();
    // Has every editor hand over text typed but not yet part of the book.
    void CommitPendingEdits();
    void Shuffle();
    // Throws FileHandlingException when there is no file at the path, so that a missing
    // book is reported before the author is asked anything.
    static void CheckFileExists(const std::wstring& path);
    // Replaces the open book by the one in the file; a file that cannot be read in full
    // leaves the open book as it was.
    void Load(const std::wstring& path);
    // Opens a recovery copy as the book kept at bookPath, modified, so that Save writes
    // where the author expects; the same checks and failures as Load.
    void Recover(const std::wstring& copyPath, const std::wstring& bookPath);
    // Replaces the open book by one read from another program's file: untitled, so that Save
    // asks where, and modified.
    void OpenImported(BookFileContents contents);
    // Replaces the open book by a copy of one that is not the author's to overwrite, such as
    // the sample book: untitled, and unmodified until edited.
    void OpenUntitledCopy(BookFileContents contents);
    // True when the book's file has been written by someone else since this book was
    // loaded from it or saved to it.
    bool ChangedOnDisk() const;
    // Writes the book to the file, replacing it only once the new text is on disk.
    void Save(const std::wstring& path);
    // The snapshot has been written to the file at the path, which now has the stamp: the
    // book as it was then is the one on disk, and edits made since stay unsaved. Changes
    // nothing when another book has been opened since the snapshot was taken.
    void MarkSnapshotSaved(const BookSnapshot& book, const std::wstring& path, std::optional<FileStamp> stamp);
    void AddChoiceTemplate(const std::wstring& name, const std::wstring& format);
    void ResetChoiceTemplates();

    // Undo and redo histories.
    void RecordCommand(std::unique_ptr<ICommand> command);
    void Undo();
    void Redo();
    bool CanUndo() const { return !undoHistory_.empty(); }
    bool CanRedo() const { return !redoHistory_.empty(); }

private:
    // Each command with the serial number of the book's state it leaves, so that the saved
    // state is known again when undo or redo returns to it.
    struct Step {
        std::unique_ptr<ICommand> command;
        std::uint64_t state = 0;
    };
    using History = std::deque<Step>;

    template <class Change>
    void UpdateStoredSection(std::uint32_t number, SectionProperty property, Change change);
    void ClearHistories();
    // Puts the contents in place of the open book, telling every view.
    void Replace(BookFileContents contents);
    void OpenUntitled(BookFileContents contents, bool modified);
    void Replay(History& from, History& to, void (ICommand::*step)());
    void RaiseUndoRedoChanged();
    void MarkModified();
    void Record(std::unique_ptr<ICommand> command, bool changedBook);
    // The book as it is now is the one on disk.
    void MarkSaved();
    // A change that no undo can take back, such as a recovered or imported book.
    void MarkChangedBeyondHistory();
    // The state the newest command left, or the state before the oldest one kept.
    std::uint64_t CurrentState() const;
    // Whether the book differs from the saved one, now that a command ran or was replayed.
    void UpdateModified();
    void ExecuteAndRecord(std::unique_ptr<ICommand> command);
    // Refuses a change of a book-wide value that takes `before` bytes in the file to `after`.
    void CheckBookWideGrowth(std::uint64_t before, std::uint64_t after) const;
    void RaiseEmptySlotsAdded(std::uint32_t from, std::uint32_t to);
    void RaiseEmptySlotsRemovedDownTo(std::uint32_t highest);
    std::unique_ptr<ICommand> AddSectionForMissingDestination(std::uint32_t destination, const std::wstring& summary);
    void Renumbered(const NumberChanges& changes);

    StoryGraph graph_;
    // What the sections and choices take in the file, kept as they change.
    std::uint64_t partsSize_ = 0;
    History undoHistory_;
    History redoHistory_;
    std::wstring title_;
    BookDetails details_;
    std::wstring footer_;
    std::wstring filePath_;
    // The file as it was when last loaded or saved here.
    std::optional<FileStamp> diskStamp_;
    std::wstring choiceFormat_;
    bool modified_ = false;
    std::uint64_t revision_ = 0;
    // Counts the books opened or begun, so that a save that ends later is told from one of
    // another book.
    std::uint64_t book_ = 0;
    // The latest snapshot, whose unchanged sections the next one shares. Snapshots are made
    // on the document's own thread only.
    mutable SharedBook lastSnapshot_;
    std::uint64_t lastState_ = 0;
    // The state below the undo history: where undoing everything kept leads.
    std::uint64_t baseState_ = 0;
    std::uint64_t savedState_ = 0;
    bool changedBeyondHistory_ = false;
    // A change since the last command was recorded or replayed, not yet part of one.
    bool unrecordedChange_ = false;
    bool newPagePerSection_ = false;
    std::map<CommonLib::FontType, CommonLib::Font> fonts_;
    std::vector<ChoiceTemplate> choiceTemplates_;
};

}  // namespace TarnViewModel
