// SPDX-License-Identifier: MIT
#include "document/TarnDataModel.h"

#include "document/BookLimits.h"
#include "document/BookSize.h"
#include "document/BookWording.h"
#include "document/ChoiceTemplates.h"
#include "document/LanguageTag.h"

#include <stdexcept>
#include <string>

namespace TarnViewModel {

using CommonLib::Font;
using CommonLib::FontType;

TarnDataModel::TarnDataModel() : details_{L"", LocaleLanguageTag(), NewId(), {}, {}}
{
    for (FontType type : {FontType::MainBook, FontType::SectionNumber, FontType::Header, FontType::Footer}) {
        fonts_[type] = Font{L"Cambria", 8};
    }
    SetChoiceFormat(DashFormat);
    MarkSaved();
}

TarnDataModel::~TarnDataModel() = default;

std::wstring TarnDataModel::GetChoiceTemplateName(const std::wstring& format) const
{
    return ChoiceTemplateName(format, details_.language);
}

Font TarnDataModel::GetFont(FontType type) const
{
    auto found = fonts_.find(type);
    if (found == fonts_.end()) {
        throw std::runtime_error("Resource not in map");
    }
    return found->second;
}

void TarnDataModel::NewBook()
{
    const BookWording& wording = BookWordingFor(LocaleLanguageTag());
    NewBook(wording.untitled, wording.footer);
}

void TarnDataModel::NewBook(const std::wstring& title, const std::wstring& footer)
{
    // The language first, since the new book's choice format follows it.
    details_ = {L"", LocaleLanguageTag(), NewId(), {}, {}};
    Clear();
    title_ = title;
    footer_ = footer;
    titleChanged_(title_);
    detailsChanged_(details_);
    footerChanged_(footer_);
    CreateSection(1, L"");
    SetSectionShiftableRecorded(1, false);
    SetNewPagePerSectionRecorded(false);
    ClearHistories();
    MarkSaved();
    RaiseUndoRedoChanged();
}

void TarnDataModel::Clear()
{
    graph_ = StoryGraph();
    partsSize_ = 0;
    filePath_.clear();
    diskStamp_.reset();
    newPagePerSection_ = false;
    const BookFonts fonts = DefaultBookFonts();
    SetMainFont(fonts[static_cast<std::size_t>(FontType::MainBook)]);
    SetHeaderFont(fonts[static_cast<std::size_t>(FontType::Header)]);
    SetFooterFont(fonts[static_cast<std::size_t>(FontType::Footer)]);
    ClearHistories();
    MarkSaved();
    RaiseUndoRedoChanged();
    bookReset_();
    ResetChoiceTemplates();
}

void TarnDataModel::CommitPendingEdits()
{
    commitPendingEdits_();
}

void TarnDataModel::AddChoiceTemplate(const std::wstring& name, const std::wstring& format)
{
    choiceTemplates_.push_back(ChoiceTemplate{name, format});
    choiceTemplateAdded_(choiceTemplates_.back());
}

void TarnDataModel::ResetChoiceTemplates()
{
    choiceTemplates_.clear();
    for (const ChoiceTemplate& predefined : PredefinedChoiceTemplates(details_.language)) {
        AddChoiceTemplate(predefined.name, predefined.format);
    }
    SetChoiceFormat(BookWordingFor(details_.language).turnToFormat);
}

void TarnDataModel::ClearHistories()
{
    undoHistory_.clear();
    redoHistory_.clear();
    baseState_ = ++lastState_;
    ++book_;
    lastSnapshot_.reset();
}

void TarnDataModel::RaiseUndoRedoChanged()
{
    undoRedoChanged_(CanUndo(), CanRedo());
}

void TarnDataModel::RecordCommand(std::unique_ptr<ICommand> command)
{
    Record(std::move(command), true);
}

// A command that changed nothing leaves the book in the state it found.
void TarnDataModel::Record(std::unique_ptr<ICommand> command, bool changedBook)
{
    const std::uint64_t state = changedBook ? ++lastState_ : CurrentState();
    undoHistory_.push_back({std::move(command), state});
    unrecordedChange_ = false;
    redoHistory_.clear();
    while (undoHistory_.size() > UndoLimit) {
        // What the oldest command started from can no longer be reached.
        if (savedState_ == baseState_) {
            changedBeyondHistory_ = true;
        }
        baseState_ = undoHistory_.front().state;
        undoHistory_.pop_front();
    }
    UpdateModified();
    RaiseUndoRedoChanged();
}

void TarnDataModel::ExecuteAndRecord(std::unique_ptr<ICommand> command)
{
    command->Execute();
    RecordCommand(std::move(command));
}

void TarnDataModel::Undo()
{
    Replay(undoHistory_, redoHistory_, &ICommand::Undo);
}

void TarnDataModel::Redo()
{
    Replay(redoHistory_, undoHistory_, &ICommand::Execute);
}

// Moves the newest command of `from` to `to` by running `step` on it. A command that
// fails to replay is dropped; the availability notification still tells the truth about
// both histories before the failure passes on.
void TarnDataModel::Replay(History& from, History& to, void (ICommand::*step)())
{
    if (from.empty()) {
        return;
    }
    // A change made since the last command, outside any, is not undone with this one.
    if (unrecordedChange_) {
        changedBeyondHistory_ = true;
    }
    Step replayed = std::move(from.back());
    from.pop_back();
    try {
        ((*replayed.command).*step)();
    } catch (...) {
        // Whatever the command changed before it failed is in no history.
        MarkChangedBeyondHistory();
        RaiseUndoRedoChanged();
        throw;
    }
    // A step keeps the state its command leaves: undone, the book is in the state below it.
    to.push_back(std::move(replayed));
    unrecordedChange_ = false;
    UpdateModified();
    RaiseUndoRedoChanged();
}

void TarnDataModel::MarkModified()
{
    modified_ = true;
    unrecordedChange_ = true;
    ++revision_;
}

void TarnDataModel::MarkSaved()
{
    savedState_ = CurrentState();
    changedBeyondHistory_ = false;
    modified_ = false;
}

void TarnDataModel::MarkChangedBeyondHistory()
{
    changedBeyondHistory_ = true;
    MarkModified();
}

std::uint64_t TarnDataModel::CurrentState() const
{
    return undoHistory_.empty() ? baseState_ : undoHistory_.back().state;
}

void TarnDataModel::UpdateModified()
{
    modified_ = changedBeyondHistory_ || CurrentState() != savedState_;
}

SharedBook TarnDataModel::Snapshot() const
{
    // Every change moves the revision on, so one snapshot serves every reader until the next.
    const BookSnapshot::Origin origin{book_, CurrentState(), revision_};
    if (lastSnapshot_ && lastSnapshot_->GetOrigin() == origin) {
        return lastSnapshot_;
    }
    lastSnapshot_ = BookSnapshot::Of(
        graph_,
        {title_,
         details_,
         footer_,
         choiceFormat_,
         newPagePerSection_,
         {GetFont(FontType::MainBook), GetFont(FontType::SectionNumber), GetFont(FontType::Header), GetFont(FontType::Footer)},
         {},
         {},
         {}},
        origin, lastSnapshot_.get());
    return lastSnapshot_;
}

std::uint64_t TarnDataModel::FileSize() const
{
    return partsSize_ + BookWideSizeInFile(title_, details_, footer_, choiceFormat_,
                                           {GetFont(FontType::MainBook), GetFont(FontType::Header), GetFont(FontType::Footer)});
}

std::uint64_t TarnDataModel::Room() const
{
    const std::uint64_t size = FileSize();
    return size < LargestBookFile ? LargestBookFile - size : 0;
}

void TarnDataModel::CheckGrowth(std::int64_t growth) const
{
    const std::uint64_t size = FileSize();
    CheckBookGrowth(size, growth > 0 ? size + static_cast<std::uint64_t>(growth) : size);
}

void TarnDataModel::CheckBookWideGrowth(std::uint64_t before, std::uint64_t after) const
{
    CheckGrowth(static_cast<std::int64_t>(after) - static_cast<std::int64_t>(before));
}

}  // namespace TarnViewModel
