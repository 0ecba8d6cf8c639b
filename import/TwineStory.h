// SPDX-License-Identifier: MIT
#pragma once

#include "import/ImportWarnings.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Import {

// A passage as Twine keeps it; every text is UTF-8 with LF line ends.
struct TwinePassage {
    std::string name;
    std::vector<std::string> tags;
    // The JSON of a Twee header's metadata block, as written.
    std::string metadata;
    std::string text;
    // Where the passage starts in its file, from 1.
    std::size_t line = 0;
};

// A story read from a Twee file or from Twine's HTML, before it becomes a book.
struct TwineStory {
    std::string name;
    std::string ifid;
    // The name of the passage the story starts from; empty when the story does not say.
    std::string start;
    // The story format it was written for, such as "SugarCube", and its version.
    std::string format;
    std::string formatVersion;
    // What this program's own Twee export keeps beside Twine's data.
    std::string author;
    std::string language;
    std::vector<TwinePassage> passages;
};

// A file's stories, and what was left out of them or read in spite of a fault.
struct TwineFile {
    std::vector<TwineStory> stories;
    ImportWarnings warnings;
};

}  // namespace Import
