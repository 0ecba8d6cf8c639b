// SPDX-License-Identifier: MIT
#pragma once

#include "import/TwineStory.h"

#include <string>

namespace Import {

// The stories of a Twee file, or of Twine's published HTML or archive, told apart by their
// content. A byte-order mark is passed over, and CR LF, LF and CR all end a line. Throws when the file cannot be read or is not UTF-8, naming the file and the
// line, and ImportException when it holds no story.
TwineFile ReadTwineFile(const std::string& fileName);

// The same for the file's text; fileName only names it in messages.
TwineFile ReadTwineText(const std::string& text, const std::string& fileName);

}  // namespace Import
