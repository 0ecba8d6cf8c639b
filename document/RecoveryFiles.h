// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookSnapshot.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace TarnViewModel {

// "$XDG_STATE_HOME/brindle-studio/recovery", or under "~/.local/state" when it is not set.
std::string RecoveryFolder();

// A recovery copy left by a session that ended without closing its book cleanly.
struct RecoveryCopy {
    std::string copyFile;
    std::string noteFile;
    std::string lockFile;
    // Where the author keeps the book; empty for a book never saved.
    std::wstring bookPath;
    std::string title;
    std::chrono::system_clock::time_point savedAt;
};

// The recovery copies of one running program: a copy of the book (a book file in its own
// right) and a note naming the book and the time, both replaced whole on every write. A
// lock held while the program runs tells its copies from those of programs that have ended.
class RecoverySession {
public:
    explicit RecoverySession(std::string folder = RecoveryFolder());
    RecoverySession(const RecoverySession&) = delete;
    RecoverySession& operator=(const RecoverySession&) = delete;
    // Releases the lock; a copy still there is offered at the next start.
    ~RecoverySession();

    // Writes the copy, then its note; from one thread at a time, any thread. Throws the XML
    // writer's "write error" naming the file when either cannot be written.
    void Write(const BookSnapshot& book, const std::wstring& bookPath, std::chrono::system_clock::time_point when);
    // Removes the copy and its note, if there are any.
    void Remove();
    bool HasCopy() const { return hasCopy_; }
    const std::string& CopyFile() const { return copyFile_; }

private:
    void Lock();

    std::string folder_;
    std::string copyFile_;
    std::string noteFile_;
    std::string lockFile_;
    int lock_ = -1;
    bool hasCopy_ = false;
};

// The copies in the folder whose programs have ended, newest first. Notes that cannot be
// read, or whose copy is missing, are passed over.
std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder = RecoveryFolder());
// Removes the copy, its note and its lock file.
void DiscardRecoveryCopy(const RecoveryCopy& copy);

}  // namespace TarnViewModel
