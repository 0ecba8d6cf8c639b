// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace TarnViewModel {

// The file system's (UTF-8) name for a path held as a wide string.
std::string NativePath(const std::wstring& path);

// The wide string for a file system name, whatever the locale: std::filesystem's own
// conversion follows the C library's locale, and fails on "café" in the "C" one.
std::wstring WidePath(const std::string& native);

}  // namespace TarnViewModel
