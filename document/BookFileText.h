#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace TarnViewModel {

// Files above this size are refused before they are read: no book comes near it, and a
// larger file would only make the reader hold many times its size in memory.
inline constexpr std::uintmax_t LargestBookFile = 32u * 1024u * 1024u;

// The whole file, checked to be UTF-8. Throws the XML reader's error "read error", saying
// why, when the file cannot be read or is not UTF-8, and refuses files that are too large.
std::string ReadBookFileText(const std::string& fileName);

// A byte sequence that is not UTF-8 fails the read with "read error", naming the line and
// the byte, instead of being lost later; a UTF-16 file is named as such.
void CheckUtf8(const std::string& bytes, const std::string& fileName);

}  // namespace TarnViewModel
