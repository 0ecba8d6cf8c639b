// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookDetails.h"
#include "document/Font.h"
#include "graph/Choice.h"
#include "graph/Section.h"

#include <array>
#include <functional>
#include <ostream>
#include <string>

namespace TarnViewModel {

class BookSnapshot;

// The pieces that the single-page and the multi-page HTML exports share. Author text is
// written as it stands, so that markup typed by the author takes effect.
void WriteHtmlLine(std::ostream& output, int indent, const std::string& content);

// The XML declaration and the opening html tag naming the book's language.
void WriteHtmlStart(std::ostream& output, const BookDetails& details);
// The author's meta tag, when the book names one.
void WriteAuthorMeta(std::ostream& output, int indent, const BookDetails& details);

// The style rules for the fonts in role order (main text, section number, header, footer),
// with selectors and properties at the given indents.
void WriteStyleRules(std::ostream& output, const std::array<CommonLib::Font, 4>& fonts, int selectorIndent, int propertyIndent);

// A section's text paragraphs and its list of visible choices, each choice rendered with
// the book's choice format whose "{{destination}}" became the choice's link.
using LinkTemplate = std::function<std::wstring(const Choice&)>;
void WriteSectionContents(std::ostream& output, const Section& section, const BookSnapshot& book, const LinkTemplate& link);

// One paragraph line per piece of the text between CR LF pairs.
void WriteParagraphs(std::ostream& output, int indent, const std::wstring& text);

}  // namespace TarnViewModel
