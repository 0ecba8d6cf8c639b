// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace TarnViewModel {

// Files written into a fresh private folder inside the target folder and moved into the
// target together once every one is whole and on disk. Until then the target is untouched;
// if moving them in fails, the files already moved are taken back out and the old ones put
// back. Moving a file in replaces a symbolic link of that name, never what it points to.
class StagedFolder {
public:
    // Throws ExportException when the private folder cannot be made.
    explicit StagedFolder(const std::wstring& target);
    StagedFolder(const StagedFolder&) = delete;
    StagedFolder& operator=(const StagedFolder&) = delete;
    // Removes the private folder with whatever is left in it.
    ~StagedFolder();

    // Where to write the file of that name, a plain name without folders.
    std::wstring Add(const std::wstring& name);
    // Throws ExportException, leaving the target as it was, when the files cannot be synced
    // or moved in.
    void Commit();

private:
    void MoveIn();

    std::string target_;
    std::string staging_;
    std::vector<std::string> names_;
};

}  // namespace TarnViewModel
