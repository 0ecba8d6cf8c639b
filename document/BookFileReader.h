// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookFileContents.h"

#include <string>

namespace TarnViewModel {

// Reads and checks a whole book file. Throws the property-tree library's errors, each
// naming the file and, where there is one, the line: the XML reader's for a file that
// cannot be read or parsed, "No such node" for a missing required element, and a data
// error for a number that is unreadable or out of range, quoting it.
BookFileContents ReadBookFile(const std::string& fileName);

// The same for the UTF-8 text of a file; fileName only names it in errors.
BookFileContents ReadBookText(const std::string& text, const std::string& fileName);

}  // namespace TarnViewModel
