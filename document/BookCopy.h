#pragma once

#include "document/BookDetails.h"
#include "document/Font.h"
#include "graph/Choice.h"
#include "graph/Section.h"

#include <cstddef>
#include <string>
#include <vector>

namespace TarnViewModel {

// Everything a book file holds, copied out of the open book in the order the file lists it,
// so that the file can be written on another thread. Flat lists copy much faster than the
// story graph with its indexes.
struct BookCopy {
    std::wstring title;
    BookDetails details;
    std::wstring footer;
    std::wstring choiceFormat;
    bool newPagePerSection = false;
    CommonLib::Font mainFont;
    CommonLib::Font headerFont;
    CommonLib::Font footerFont;
    // Ascending by number.
    std::vector<Section> sections;
    // How many choices each section has, and all the choices, section after section, each
    // section's in its order.
    std::vector<std::size_t> choiceCounts;
    std::vector<Choice> choices;
};

}  // namespace TarnViewModel
