// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

#include <boost/regex.hpp>

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Search {

struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool regularExpression = false;
};

// Characters [start, start + length) of a text.
struct TextMatch {
    std::size_t start = 0;
    std::size_t length = 0;

    bool operator==(const TextMatch&) const = default;
};

// A regular expression that cannot be read, with the reader's reason and where it stopped.
class SearchPatternError : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

// What the author looks for, as typed with its options. Texts are searched whole; a match
// never begins or ends between the CR and the LF of a line break, so that a replacement
// cannot split one.
class SearchPattern {
public:
    // An empty pattern finds nothing. Throws SearchPatternError for a bad regular expression;
    // the searches throw it for one that would take too long on the text.
    SearchPattern(const std::wstring& pattern, SearchOptions options);

    bool Empty() const { return empty_; }
    std::vector<TextMatch> FindIn(const std::wstring& text) const;
    // What replaces one match found in the text: the replacement as typed or, for a regular
    // expression, with $1 to $9 and $& standing for what the match's groups found.
    std::wstring ReplacementFor(const std::wstring& text, const TextMatch& match, const std::wstring& replacement) const;
    // The text with every match replaced.
    std::wstring ReplaceAll(const std::wstring& text, const std::wstring& replacement) const;
    // The same, or nothing once it would grow longer than `longest` characters, so that a
    // replacement too large to keep is never made whole.
    std::optional<std::wstring> ReplaceAllWithin(const std::wstring& text, const std::wstring& replacement, std::size_t longest) const;

private:
    template <class Match>
    static void Matching(Match match);

    boost::wregex regex_;
    bool regularExpression_ = false;
    bool empty_ = true;
};

}  // namespace Search
