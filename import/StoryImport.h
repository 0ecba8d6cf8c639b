// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookFileContents.h"
#include "import/TwineStory.h"

#include <string>
#include <vector>

namespace Import {

// The story as a book. Passages named by a number from 1 to 10,000 keep it; the others take
// the numbers after the highest of those, the start passage first. Links become choices in
// text order and leave the section's text; a link to a passage the story does not have
// makes an empty section for it. A passage written by this program's Twee export gives its
// text, summary and choices back as they were, hidden ones included. Throws ImportException
// when the story would need more sections than a book holds; what is read in spite of a
// fault is a warning. fileName only names the file in messages.
TarnViewModel::BookFileContents ImportStory(const TwineStory& story, const std::string& fileName, ImportWarnings& warnings);

}  // namespace Import
