// SPDX-License-Identifier: MIT
#include "document/TarnDataModel.h"

#include "document/BookFileReader.h"
#include "document/BookFileWriter.h"
#include "document/BookSize.h"
#include "document/FileHandlingException.h"
#include "document/NativePath.h"

#include <filesystem>

namespace TarnViewModel {

using CommonLib::Font;
using CommonLib::FontType;

void TarnDataModel::CheckFileExists(const std::wstring& path)
{
    const std::string fileName = NativePath(path);
    std::error_code error;
    if (!std::filesystem::exists(fileName, error)) {
        throw FileHandlingException::NothingAt(fileName);
    }
}

void TarnDataModel::Load(const std::wstring& path)
{
    CheckFileExists(path);
    const std::string fileName = NativePath(path);
    // The whole file is read and checked first, so that a bad file leaves the open book
    // as it was.
    const std::optional<FileStamp> stamp = FileStamp::Of(fileName);
    BookFileContents contents = ReadBookFile(fileName);

    Replace(std::move(contents));
    filePath_ = path;
    diskStamp_ = stamp;
    MarkSaved();
}

void TarnDataModel::OpenImported(BookFileContents contents)
{
    OpenUntitled(std::move(contents), true);
}

void TarnDataModel::OpenUntitledCopy(BookFileContents contents)
{
    OpenUntitled(std::move(contents), false);
}

void TarnDataModel::OpenUntitled(BookFileContents contents, bool modified)
{
    Replace(std::move(contents));
    if (modified) {
        MarkChangedBeyondHistory();
    } else {
        MarkSaved();
    }
}

void TarnDataModel::Replace(BookFileContents contents)
{
    // The language first, since the choice formats offered follow it.
    details_ = std::move(contents.details);
    Clear();
    title_ = std::move(contents.title);
    graph_ = std::move(contents.graph);
    partsSize_ = SizeInFile(graph_);
    const BookFonts fonts = FontsOfStyles(contents.fonts);
    for (FontType type : {FontType::MainBook, FontType::SectionNumber, FontType::Header, FontType::Footer}) {
        SetFont(type, fonts[static_cast<std::size_t>(type)]);
    }
    footer_ = std::move(contents.footer);
    choiceFormat_ = std::move(contents.choiceFormat);
    newPagePerSection_ = contents.newPagePerSection;
    // Taken while the book opens, so that saving it later copies only what was written since.
    Snapshot();

    bookLoaded_(graph_.AllSections(), graph_.AllChoices());
    titleChanged_(title_);
    detailsChanged_(details_);
    footerChanged_(footer_);
    newPagePerSectionChanged_(newPagePerSection_);
}

void TarnDataModel::Recover(const std::wstring& copyPath, const std::wstring& bookPath)
{
    Load(copyPath);
    filePath_ = bookPath;
    // The copy is newer than whatever is at the book's path now.
    diskStamp_ = FileStamp::Of(NativePath(bookPath));
    MarkChangedBeyondHistory();
}

bool TarnDataModel::ChangedOnDisk() const
{
    if (filePath_.empty() || !diskStamp_) {
        return false;
    }
    const std::optional<FileStamp> now = FileStamp::Of(NativePath(filePath_));
    return now && *now != *diskStamp_;
}

void TarnDataModel::Save(const std::wstring& path)
{
    commitPendingEdits_();
    const SharedBook book = Snapshot();
    MarkSnapshotSaved(*book, path, WriteBook(*book, path));
}

void TarnDataModel::MarkSnapshotSaved(const BookSnapshot& book, const std::wstring& path, std::optional<FileStamp> stamp)
{
    if (book.GetOrigin().book != book_) {
        return;
    }
    filePath_ = path;
    diskStamp_ = stamp;
    if (book.GetOrigin().revision == revision_) {
        MarkSaved();
        return;
    }
    // Edited since: undoing back to the saved state shows the book unmodified again, unless
    // a change that no undo reaches came before or after the snapshot, or one outside any
    // command came after it.
    savedState_ = book.GetOrigin().state;
    UpdateModified();
    modified_ = modified_ || unrecordedChange_;
}

}  // namespace TarnViewModel
