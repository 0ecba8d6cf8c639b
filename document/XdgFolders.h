// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <vector>

namespace TarnViewModel {

// A folder of the user's that the XDG base-directory rules name by an environment
// variable, such as "XDG_DATA_HOME"; "~/" and the fallback (".local/share") when the
// variable is unset or not absolute, as those rules say.
std::filesystem::path XdgUserFolder(const char* variable, const std::filesystem::path& fallback);

// The system's data folders, most important first: "$XDG_DATA_DIRS", or "/usr/local/share"
// and "/usr/share".
std::vector<std::filesystem::path> XdgDataFolders();

}  // namespace TarnViewModel
