// SPDX-License-Identifier: MIT
#include "document/FileStamp.h"

#include <sys/stat.h>

namespace TarnViewModel {

std::optional<FileStamp> FileStamp::Of(const std::string& fileName)
{
    struct stat status {};
    if (stat(fileName.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileStamp{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
                     static_cast<std::int64_t>(status.st_size), static_cast<std::int64_t>(status.st_mtim.tv_sec),
                     static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

}  // namespace TarnViewModel
