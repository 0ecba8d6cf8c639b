// SPDX-License-Identifier: MIT
#pragma once

#include "import/TwineStory.h"

#include <string>

namespace Import {

// The story in a Twee 3 file's UTF-8 text, its lines ended by LF: StoryTitle and StoryData read into the story,
// every other passage with its name, tags, metadata and text, which ends before the next
// header and loses its trailing blank lines. A line of content that starts with
// backslashes and "::" loses one backslash. Faults that cost only optional data (StoryData
// that is not JSON, a header's unclosed tag block, a passage name used again, script and
// style passages) are warnings; fileName only names the file in them.
TwineStory ReadTwee(const std::string& text, const std::string& fileName, ImportWarnings& warnings);

}  // namespace Import
