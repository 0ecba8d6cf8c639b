// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace TarnViewModel {

// Who holds a book open, as its lock file says.
struct BookLockOwner {
    std::string user;
    std::string host;
    std::string program;
    std::string since;
};

// The lock file beside an open book, ".~lock.NAME#" as office programs name theirs, which
// tells a second program opening the book who has it open. It goes when the book is closed.
class BookLock {
public:
    BookLock() = default;
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;
    ~BookLock();

    // Takes the lock of this book, giving up any other. A folder where no lock can be made
    // leaves the book unlocked: the lock only warns, it never stops the author. A book that
    // another running program holds keeps that program's lock.
    void Hold(const std::string& bookFile);
    void Release();
    const std::string& Book() const { return book_; }

private:
    std::string book_;
    std::string lockFile_;
    // What this program wrote into the lock file.
    std::string text_;
};

// The holder of the book's lock, unless there is none, it is this program's own, or it is
// stale: left by a program on this computer that is no longer running, or unreadable.
std::optional<BookLockOwner> BookLockedBy(const std::string& bookFile);
std::string BookLockFile(const std::string& bookFile);

}  // namespace TarnViewModel
