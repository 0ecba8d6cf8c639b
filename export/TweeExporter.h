// SPDX-License-Identifier: MIT
#pragma once

#include "export/IBookExporter.h"

namespace TarnViewModel {

// The book as a Twee 3 story for Twine and its tools: StoryTitle, StoryData with the book's
// identifier as its IFID and section 1 (or the first section) to start, and one passage per
// section named by its number, whose choices follow its text as links "[[text->N]]" ("[[N]]"
// for a choice without a text). What Twine has no place for (the summary, which choices are
// hidden, how many lines the text has, a choice text that a link cannot hold) goes into the
// passage's metadata under "brindle", so that an import gives the book back. Line ends are
// LF; the stream must not change them.
class TweeExporter : public IBookExporter {
public:
    void Export(const BookSnapshot& book, std::ostream& output) override;
};

}  // namespace TarnViewModel
