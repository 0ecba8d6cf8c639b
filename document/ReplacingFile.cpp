// SPDX-License-Identifier: MIT
#include "document/ReplacingFile.h"

#include "document/WriteFailure.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <utility>

namespace TarnViewModel {

namespace fs = std::filesystem;

namespace {

// Renaming over a link would replace the link itself, so the file it names is written.
std::string ResolvedTarget(const std::string& fileName)
{
    std::error_code error;
    if (fs::is_symlink(fileName, error)) {
        const fs::path resolved = fs::weakly_canonical(fileName, error);
        if (!error) {
            return resolved.string();
        }
    }
    return fileName;
}

std::string TemporaryName(const std::string& target)
{
    static std::mt19937 random{std::random_device{}()};
    const fs::path path(target);
    return (path.parent_path() / ("." + path.filename().string() + "." + std::to_string(random()) + ".tmp")).string();
}

int OpenDirectory(const std::string& target)
{
    const fs::path folder = fs::path(target).parent_path();
    return open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& fileName, FailureReport report, Sync sync)
    : fileName_(fileName), report_(std::move(report)), sync_(sync), target_(ResolvedTarget(fileName))
{
    std::error_code error;
    const fs::file_status status = fs::status(target_, error);
    if (fileName.empty() || fs::is_directory(status)) {
        errno = fileName.empty() ? ENOENT : EISDIR;
        Fail(Stage::Create);
    }
    // A device or a pipe (/dev/null, /dev/stdout) cannot be replaced, only written; a rename
    // would put a plain file in its place.
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A pipe that no program reads would hold the open forever; without waiting, it fails.
        const int probe = open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (probe < 0) {
            Fail(Stage::Create);
        }
        close(probe);
        stream_.open(target_, std::ios::binary);
        if (!stream_) {
            Fail(Stage::Create);
        }
        return;
    }
    // Created exclusively, so that no other file is ever overwritten by the new one.
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        temporary_ = TemporaryName(target_);
        descriptor = open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST) {
            break;
        }
    }
    if (descriptor < 0) {
        temporary_.clear();
        Fail(Stage::Create);
    }
    // The replacement keeps the permissions of the file it replaces.
    struct stat old {};
    if (stat(target_.c_str(), &old) == 0) {
        fchmod(descriptor, old.st_mode & 07777);
    }
    close(descriptor);
    stream_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!stream_) {
        Fail(Stage::Create);
    }
}

ReplacingFile::~ReplacingFile()
{
    if (!committed_ && !temporary_.empty()) {
        stream_.close();
        std::remove(temporary_.c_str());
    }
}

void ReplacingFile::Commit()
{
    stream_.close();
    if (stream_.fail()) {
        Fail(Stage::Write);
    }
    if (temporary_.empty()) {
        committed_ = true;
        return;
    }
    if (sync_ == Sync::OnCommit) {
        const int descriptor = open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
        const bool synced = descriptor >= 0 && fsync(descriptor) == 0;
        if (descriptor >= 0) {
            close(descriptor);
        }
        if (!synced) {
            Fail(Stage::Write);
        }
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail(Stage::Write);
    }
    committed_ = true;
    if (sync_ == Sync::ByCaller) {
        return;
    }
    // The rename itself reaches the disk with the folder; the old file is gone either way,
    // so a folder that cannot be synced is no reason to report a failure.
    const int folder = OpenDirectory(target_);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
}

void ReplacingFile::Fail(Stage stage)
{
    const int error = errno;
    if (!temporary_.empty()) {
        stream_.close();
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
    if (report_) {
        report_(stage, error);
    }
    throw FileWriteException(fileName_, error);
}

}  // namespace TarnViewModel
