// SPDX-License-Identifier: MIT
#pragma once

#include "search/BookSearch.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace TarnViewModel {

// One line of the results list: the match and the words around it.
struct FoundMatch {
    Search::BookMatch match;
    Search::MatchSnippet snippet;
};

// The find and replace pane.
class IFindReplaceView {
public:
    virtual ~IFindReplaceView() = default;
    // Every match of the search, replacing the list shown before.
    virtual void ShowMatches(const std::vector<FoundMatch>& found) = 0;
    // The listed match that is current, or none.
    virtual void ShowCurrentMatch(std::optional<std::size_t> index) = 0;
    // Selects the match where the author edits its text.
    virtual void RevealMatch(const Search::BookMatch& match) = 0;
    virtual void ShowReplaced(std::size_t count) = 0;
    // Runs the step once the events waiting now are handled, so that typing never waits
    // for the whole book to be searched.
    virtual void RunSoon(std::function<void()> step) = 0;
};

}  // namespace TarnViewModel
