// SPDX-License-Identifier: MIT
#include "export/StagedFolder.h"

#include "document/FileDescriptor.h"
#include "document/NativePath.h"
#include "export/ExportException.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace TarnViewModel {

namespace fs = std::filesystem;

namespace {

FileDescriptor OpenFolder(const std::string& path)
{
    return FileDescriptor(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

ExportException Failure(Messages::Message&& what, const std::string& path, int error)
{
    return ExportException(std::move(what).Arg(path).Arg(std::strerror(error)));
}

}  // namespace

StagedFolder::StagedFolder(const std::wstring& target) : target_(NativePath(target))
{
    std::string pattern = (fs::path(target_) / ".brindle-export-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw Failure(BRINDLE_TEXT("StagedFolder", "Cannot write into the folder \"%1\": %2."), target_, errno);
    }
    staging_ = pattern;
    if (mkdir((fs::path(staging_) / "replaced").c_str(), 0700) != 0) {
        const int error = errno;
        rmdir(staging_.c_str());
        throw Failure(BRINDLE_TEXT("StagedFolder", "Cannot write into the folder \"%1\": %2."), target_, error);
    }
}

StagedFolder::~StagedFolder()
{
    std::error_code ignored;
    fs::remove_all(staging_, ignored);
}

std::wstring StagedFolder::Add(const std::wstring& name)
{
    names_.push_back(NativePath(name));
    return WidePath((fs::path(staging_) / names_.back()).string());
}

void StagedFolder::Commit()
{
    const FileDescriptor staging = OpenFolder(staging_);
    if (staging.Get() < 0 || syncfs(staging.Get()) != 0) {
        throw Failure(BRINDLE_TEXT("StagedFolder", "Cannot write into the folder \"%1\": %2."), target_, errno);
    }
    // A folder in the way would stop the move half-way, so it is found first.
    for (const std::string& name : names_) {
        struct stat status {};
        if (fstatat(AT_FDCWD, (fs::path(target_) / name).c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(status.st_mode)) {
            throw Failure(BRINDLE_TEXT("StagedFolder", "Cannot replace \"%1\": %2."), (fs::path(target_) / name).string(), EISDIR);
        }
    }
    MoveIn();
}

void StagedFolder::MoveIn()
{
    const FileDescriptor target = OpenFolder(target_);
    const FileDescriptor staging = OpenFolder(staging_);
    const FileDescriptor replaced = OpenFolder((fs::path(staging_) / "replaced").string());
    if (target.Get() < 0 || staging.Get() < 0 || replaced.Get() < 0) {
        throw Failure(BRINDLE_TEXT("StagedFolder", "Cannot write into the folder \"%1\": %2."), target_, errno);
    }
    std::vector<const std::string*> setAside;
    std::vector<const std::string*> movedIn;
    for (const std::string& name : names_) {
        const bool old = faccessat(target.Get(), name.c_str(), F_OK, AT_SYMLINK_NOFOLLOW) == 0;
        if (old && renameat(target.Get(), name.c_str(), replaced.Get(), name.c_str()) != 0) {
            break;
        }
        if (old) {
            setAside.push_back(&name);
        }
        if (renameat(staging.Get(), name.c_str(), target.Get(), name.c_str()) != 0) {
            break;
        }
        movedIn.push_back(&name);
    }
    if (movedIn.size() == names_.size()) {
        fsync(target.Get());
        return;
    }
    const int error = errno;
    for (const std::string* name : movedIn) {
        renameat(target.Get(), name->c_str(), staging.Get(), name->c_str());
    }
    for (const std::string* name : setAside) {
        renameat(replaced.Get(), name->c_str(), target.Get(), name->c_str());
    }
    throw Failure(BRINDLE_TEXT("StagedFolder", "Cannot move the new files into \"%1\": %2."), target_, error);
}

}  // namespace TarnViewModel
