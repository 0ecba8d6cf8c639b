#pragma once

#include <string>
#include <vector>

namespace TarnViewModel {

struct TwineLink {
    std::string text;
    std::string target;
    // False for "[[target]]", whose text is its target.
    bool textGiven = false;
};

struct LinkedText {
    std::string text;
    std::vector<TwineLink> links;
};

// The links "[[text]]", "[[text|target]]", "[[text->target]]" and "[[target<-text]]" of a
// passage's text, in text order, and the text without them: a line that holds nothing
// but links goes, any other link leaves its text in its place, and trailing blank lines go.
// A setter after "][" is not part of the target.
LinkedText ExtractLinks(const std::string& text);

// The inside of one link, between "[[" and "]]".
TwineLink ParseLink(const std::string& inside);

}  // namespace TarnViewModel
