// SPDX-License-Identifier: MIT
#pragma once

#include "import/TwineStory.h"

#include <string>

namespace Import {

// The stories in Twine 2's published HTML or in its archive of several stories: every
// <tw-storydata> with its name, IFID and start, and its <tw-passagedata> with their names,
// tags and texts, entities decoded. The markup is read as Twine writes it, not as XML:
// attribute values may be unquoted, and attributes without a value are allowed. Faults that
// cost only part of a story are warnings; fileName only names the file in them.
std::vector<TwineStory> ReadTwineHtml(const std::string& html, const std::string& fileName, ImportWarnings& warnings);

}  // namespace Import
