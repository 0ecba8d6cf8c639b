// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

namespace TarnViewModel {

// The whole file, checked to be UTF-8. Throws the XML reader's error "read error", saying
// why, when the file cannot be read or is not UTF-8, and BookLimitException for a file
// larger than a book may take, before it is read.
std::string ReadBookFileText(const std::string& fileName);

// A byte sequence that is not UTF-8 fails the read with "read error", naming the line and
// the byte, instead of being lost later; a UTF-16 file is named as such.
void CheckUtf8(const std::string& bytes, const std::string& fileName);

}  // namespace TarnViewModel
