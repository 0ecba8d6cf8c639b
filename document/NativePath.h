#pragma once

#include <string>

namespace TarnViewModel {

// The file system's (UTF-8) name for a path held as a wide string.
std::string NativePath(const std::wstring& path);

}  // namespace TarnViewModel
