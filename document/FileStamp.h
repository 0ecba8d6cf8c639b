// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace TarnViewModel {

// What tells one state of a file on disk from another: a save by another program changes
// at least one of these.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;

    // Nothing when there is no file at the path.
    static std::optional<FileStamp> Of(const std::string& fileName);
};

}  // namespace TarnViewModel
