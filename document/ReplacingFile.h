// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <functional>
#include <string>

namespace TarnViewModel {

// Writes a file so that the old one survives any failure: the text goes to a new file in
// the same folder, which replaces the old one only once it is complete and on disk.
// Every failure removes the new file, then throws: the caller's own error when it gives a
// report, otherwise FileWriteException, both with the system's reason.
class ReplacingFile {
public:
    enum class Stage { Create, Write };
    // Throws the error for a failure at the stage, with the system's error number.
    using FailureReport = std::function<void(Stage, int error)>;
    // Files written in numbers into a private folder are synced once, together, by the caller.
    enum class Sync { OnCommit, ByCaller };

    explicit ReplacingFile(const std::string& fileName, FailureReport report = {}, Sync sync = Sync::OnCommit);
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    std::ostream& Stream() { return stream_; }
    // Closes, syncs and moves the new file over the old one.
    void Commit();

private:
    // Removes the new file and throws, with the reason errno holds now.
    [[noreturn]] void Fail(Stage stage);

    std::string fileName_;
    FailureReport report_;
    Sync sync_;
    std::string target_;
    std::string temporary_;
    std::ofstream stream_;
    bool committed_ = false;
};

}  // namespace TarnViewModel
