// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookDetails.h"
#include "document/Font.h"
#include "graph/StoryGraph.h"

#include <string>
#include <utility>
#include <vector>

namespace TarnViewModel {

// Everything a book file holds, read and checked before the open book is replaced.
struct BookFileContents {
    std::wstring title;
    // Defaults for what an older file leaves out: no author, the user's language, a new
    // identifier.
    BookDetails details;
    std::wstring footer;
    std::wstring choiceFormat;
    bool newPagePerSection = false;
    StoryGraph graph;
    // The styles in file order; a later one of the same role wins.
    std::vector<std::pair<CommonLib::FontType, CommonLib::Font>> fonts;
};

}  // namespace TarnViewModel
