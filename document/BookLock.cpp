// SPDX-License-Identifier: MIT
#include "document/BookLock.h"

#include "document/FileDescriptor.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace TarnViewModel {

namespace fs = std::filesystem;

namespace {

constexpr const char* ProgramName = "Brindle Story Studio";

std::string HostName()
{
    std::array<char, 256> name{};
    return gethostname(name.data(), name.size() - 1) == 0 ? std::string(name.data()) : std::string();
}

std::string UserName()
{
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_name != nullptr) {
        return entry->pw_name;
    }
    return std::to_string(getuid());
}

std::string Now()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%d %H:%M", &local);
    return text.data();
}

// Fields are separated by commas, which are left out of names.
std::string Field(std::string text)
{
    std::erase_if(text, [](char c) { return c == ',' || c == '\n' || c == '\r'; });
    return text;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) {
        fields.push_back(field);
    }
    return fields;
}

}  // namespace

std::string BookLockFile(const std::string& bookFile)
{
    const fs::path book(bookFile);
    return (book.parent_path() / (".~lock." + book.filename().string() + "#")).string();
}

BookLock::~BookLock()
{
    Release();
}

void BookLock::Hold(const std::string& bookFile)
{
    if (bookFile == book_) {
        return;
    }
    Release();
    book_ = bookFile;
    // The author chose to open a book another program holds: its lock stays that program's.
    if (BookLockedBy(bookFile)) {
        return;
    }
    lockFile_ = BookLockFile(bookFile);
    std::ostringstream line;
    line << Field(UserName()) << ',' << Field(HostName()) << ',' << getpid() << ',' << ProgramName << ',' << Now() << '\n';
    // Never through a link planted in its place.
    text_ = line.str();
    bool written = false;
    bool created = false;
    {
        const FileDescriptor file(open(lockFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644));
        created = file.IsOpen();
        written = created && write(file.Get(), text_.data(), text_.size()) == static_cast<ssize_t>(text_.size());
    }
    if (!written) {
        if (created) {
            unlink(lockFile_.c_str());
        }
        lockFile_.clear();
    }
}

// Only a lock that is still this program's own goes: another program may have taken it.
void BookLock::Release()
{
    if (!lockFile_.empty()) {
        std::ifstream file(lockFile_, std::ios::binary);
        const std::string held((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (held == text_) {
            unlink(lockFile_.c_str());
        }
    }
    lockFile_.clear();
    text_.clear();
    book_.clear();
}

std::optional<BookLockOwner> BookLockedBy(const std::string& bookFile)
{
    std::ifstream file(BookLockFile(bookFile));
    std::string line;
    if (!file || !std::getline(file, line)) {
        return std::nullopt;
    }
    const std::vector<std::string> fields = Fields(line);
    if (fields.size() < 5) {
        return std::nullopt;
    }
    BookLockOwner owner{fields[0], fields[1], fields[3], fields[4]};
    if (owner.host == HostName()) {
        char* end = nullptr;
        const long pid = std::strtol(fields[2].c_str(), &end, 10);
        const bool running =
            end != fields[2].c_str() && *end == '\0' && pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
        if (!running || pid == getpid()) {
            return std::nullopt;
        }
    }
    return owner;
}

}  // namespace TarnViewModel
