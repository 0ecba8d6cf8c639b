// SPDX-License-Identifier: MIT
#include "document/RecoveryFiles.h"

#include "document/BookFileWriter.h"
#include "document/FileDescriptor.h"
#include "document/NativePath.h"
#include "document/XdgFolders.h"

#include <boost/locale/encoding_utf.hpp>
#include <pugixml.hpp>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

namespace TarnViewModel {

namespace fs = std::filesystem;

namespace {

const std::string NoteExtension = ".recovery";

std::string SessionName()
{
    std::random_device random;
    std::ostringstream name;
    name << getpid() << '-' << std::hex << random() << random();
    return name.str();
}

// True while a running program holds the lock.
bool IsHeld(const std::string& lockFile)
{
    const FileDescriptor lock(open(lockFile.c_str(), O_RDONLY | O_CLOEXEC));
    return lock.IsOpen() && flock(lock.Get(), LOCK_EX | LOCK_NB) != 0;
}

std::string NoteText(const std::wstring& bookPath, const std::wstring& title, std::chrono::system_clock::time_point when)
{
    pugi::xml_document note;
    pugi::xml_node root = note.append_child("recovery");
    root.append_child("book").text().set(boost::locale::conv::utf_to_utf<char>(bookPath).c_str());
    root.append_child("title").text().set(boost::locale::conv::utf_to_utf<char>(title).c_str());
    root.append_child("saved").text().set(
        static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(when.time_since_epoch()).count()));
    std::ostringstream text;
    note.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
    return text.str();
}

}  // namespace

std::string RecoveryFolder()
{
    return (XdgUserFolder("XDG_STATE_HOME", fs::path(".local") / "state") / "brindle-studio" / "recovery").string();
}

RecoverySession::RecoverySession(std::string folder) : folder_(std::move(folder))
{
    const std::string name = SessionName();
    copyFile_ = (fs::path(folder_) / (name + ".brindle")).string();
    noteFile_ = (fs::path(folder_) / (name + NoteExtension)).string();
    lockFile_ = (fs::path(folder_) / (name + ".lock")).string();
}

RecoverySession::~RecoverySession()
{
    if (lock_ >= 0) {
        if (!hasCopy_) {
            unlink(lockFile_.c_str());
        }
        close(lock_);
    }
}

void RecoverySession::Lock()
{
    if (lock_ >= 0) {
        return;
    }
    std::error_code error;
    fs::create_directories(folder_, error);
    fs::permissions(folder_, fs::perms::owner_all, error);
    lock_ = open(lockFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ >= 0 && flock(lock_, LOCK_EX | LOCK_NB) != 0) {
        close(lock_);
        lock_ = -1;
    }
}

void RecoverySession::Write(const BookSnapshot& book, const std::wstring& bookPath, std::chrono::system_clock::time_point when)
{
    Lock();
    WriteBookFile(copyFile_, BookFileText(book));
    hasCopy_ = true;
    WriteBookFile(noteFile_, NoteText(bookPath, book.GetTitle(), when));
}

void RecoverySession::Remove()
{
    // The note goes first: a copy without one is never offered.
    unlink(noteFile_.c_str());
    unlink(copyFile_.c_str());
    hasCopy_ = false;
}

std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder)
{
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const fs::path note = entry->path();
        if (note.extension() != NoteExtension) {
            continue;
        }
        RecoveryCopy copy;
        copy.noteFile = note.string();
        copy.copyFile = fs::path(note).replace_extension(".brindle").string();
        copy.lockFile = fs::path(note).replace_extension(".lock").string();
        pugi::xml_document document;
        if (IsHeld(copy.lockFile) || !fs::is_regular_file(copy.copyFile) || !document.load_file(copy.noteFile.c_str())) {
            continue;
        }
        const pugi::xml_node root = document.child("recovery");
        copy.bookPath = boost::locale::conv::utf_to_utf<wchar_t>(std::string(root.child_value("book")));
        copy.title = root.child_value("title");
        copy.savedAt = std::chrono::system_clock::time_point(std::chrono::seconds(root.child("saved").text().as_llong()));
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveryCopy& left, const RecoveryCopy& right) { return left.savedAt > right.savedAt; });
    return copies;
}

void DiscardRecoveryCopy(const RecoveryCopy& copy)
{
    unlink(copy.noteFile.c_str());
    unlink(copy.copyFile.c_str());
    unlink(copy.lockFile.c_str());
}

}  // namespace TarnViewModel
