// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Import {

struct TwineLink {
    std::string text;
    std::string target;
    // False for "[[target]]", whose text is its target.
    bool textGiven = false;
};

struct LinkedText {
    std::string text;
    std::vector<TwineLink> links;
    // Macros that go to a passage named by code rather than by a plain string, which only
    // the story format can follow.
    std::size_t unreadMacros = 0;
    // Whether the reading stopped at a link beyond the most asked for.
    bool more = false;
};

// The links of a passage's text, in text order, and the text without them: a line that
// holds nothing but links goes, any other link leaves its words in its place, and trailing
// blank lines go. Links are "[[text]]", "[[text|target]]", "[[text->target]]" and
// "[[target<-text]]" (a setter after "][" is not part of the target), SugarCube's
// <<link "text" "target">>, <<button>> and <<goto "target">> (or with link markup inside), and
// Harlowe's (link-goto: "text", "target"), (go-to: "target") and (click-goto: "text",
// "target"). A link to a web address is no link: its words stay in the text. Reading stops
// at a link beyond the first mostLinks, so that no text holds more than its section could.
LinkedText ExtractLinks(const std::string& text, std::size_t mostLinks);

// The inside of one link, between "[[" and "]]".
TwineLink ParseLink(const std::string& inside);

}  // namespace Import
