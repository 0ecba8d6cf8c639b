// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookFileContents.h"

#include <string>

namespace BrindleCli {

// The book's contents, read and checked; throws BookUnreadable naming the file. They are
// kept until the process ends: the program exits right after its command, and freeing a big
// book piece by piece would only delay that.
const TarnViewModel::BookFileContents& ReadBook(const std::string& path);

}  // namespace BrindleCli
