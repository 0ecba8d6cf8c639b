#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace TarnViewModel {

// Files above this size are refused before they are read: no book comes near it, and a
// larger file would only make the reader hold many times its size in memory.
inline constexpr std::uintmax_t LargestBookFile = 32u * 1024u * 1024u;

// Elements nested deeper than this are refused before the XML reader, which descends
// once per level, sees them; a book needs seven levels.
inline constexpr std::size_t DeepestNesting = 64;

// The whole file, checked to be UTF-8. Throws the XML reader's error "read error" when the
// file cannot be read or is not UTF-8, and refuses files that are too large.
std::string ReadBookFileText(const std::string& fileName);

// A byte sequence that is not UTF-8 fails the read with "read error", instead of being
// lost later.
void CheckUtf8(const std::string& bytes, const std::string& fileName);

// Refuses, with the XML reader's error naming the line, a text whose elements nest deeper
// than the reader may safely descend.
void CheckNesting(const std::string& text, const std::string& fileName);

}  // namespace TarnViewModel
