// SPDX-License-Identifier: MIT
#include "document/XdgFolders.h"

#include <cstdlib>
#include <sstream>
#include <string>

namespace TarnViewModel {

std::filesystem::path XdgUserFolder(const char* variable, const std::filesystem::path& fallback)
{
    const char* value = std::getenv(variable);
    if (value != nullptr && std::filesystem::path(value).is_absolute()) {
        return value;
    }
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::filesystem::path(home) / fallback : std::filesystem::temp_directory_path();
}

std::vector<std::filesystem::path> XdgDataFolders()
{
    const char* value = std::getenv("XDG_DATA_DIRS");
    std::vector<std::filesystem::path> folders;
    std::istringstream list(value != nullptr ? value : "");
    for (std::string folder; std::getline(list, folder, ':');) {
        if (std::filesystem::path(folder).is_absolute()) {
            folders.emplace_back(folder);
        }
    }
    if (folders.empty()) {
        folders = {"/usr/local/share", "/usr/share"};
    }
    return folders;
}

}  // namespace TarnViewModel
