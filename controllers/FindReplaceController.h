// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/CoalescedStep.h"
#include "controllers/IFindReplaceView.h"
#include "document/BookSnapshot.h"
#include "document/DocumentNotifications.h"
#include "search/SearchPattern.h"

#include <memory>
#include <optional>
#include <vector>

namespace TarnViewModel {

class ICommand;
class SectionSelection;
class TarnDataModel;

// Finds a pattern across a snapshot of the book a part at a time, so that the author's typing
// is read between the parts, and searches again whenever the book changes. The list is
// replaced only once a search is whole.
class FindReplaceController {
public:
    // How many sections one turn searches.
    static constexpr std::uint32_t SectionsPerStep = 400;

    FindReplaceController(TarnDataModel& model, SectionSelection& selection, IFindReplaceView* view);
    FindReplaceController(const FindReplaceController&) = delete;
    FindReplaceController& operator=(const FindReplaceController&) = delete;

    // Starts looking for the pattern; an empty one lists nothing. Throws Search::SearchPatternError
    // for an expression that cannot be read, leaving the search as it was.
    void Search(const std::wstring& pattern, Search::SearchOptions options);
    // While the list is hidden, a search waits, and runs on once it shows or is needed.
    void SetShown(bool shown);
    // Ends the search under way at once.
    void FinishSearch();
    bool Searching() const { return searching_; }
    const std::vector<FoundMatch>& Matches() const { return matches_; }
    std::optional<std::size_t> CurrentMatch() const { return current_; }

    // Makes the listed match current: its section becomes current and the match is shown.
    void GoToMatch(std::size_t index);
    // The match after or before the current one, or the first in or after the current
    // section when none is; both go round from the end to the start.
    void FindNext();
    void FindPrevious();
    // Replaces the current match as one undoable step and goes to the next; with no
    // current match, finds one first.
    void ReplaceCurrent(const std::wstring& replacement);
    // Replaces every match in the book as one undoable step; returns how many there were.
    std::size_t ReplaceAll(const std::wstring& replacement);

private:
    void BookChanged();
    void StartSearch();
    void Step();
    void Publish();
    void Go(std::size_t index);
    bool StillInBook(const Search::BookMatch& match) const;
    // Where the current section begins, and the first listed match at or after a place.
    Search::BookPlace SectionStart() const;
    std::size_t FirstFrom(const Search::BookPlace& place) const;
    std::unique_ptr<ICommand> ReplaceCommand(const Search::BookMatch& match, std::wstring replaced);

    TarnDataModel& model_;
    SectionSelection& selection_;
    IFindReplaceView* view_;

    std::optional<Search::SearchPattern> pattern_;
    std::vector<FoundMatch> matches_;
    std::vector<FoundMatch> found_;
    // The book being searched, taken at the search's first step, so that the changes made
    // in one turn cost one snapshot.
    SharedBook book_;
    std::uint32_t nextSection_ = 1;
    bool searching_ = false;
    bool shown_ = true;

    std::optional<std::size_t> current_;
    // Where the current match stood, or a replacement made in its place: Find Next goes on
    // from its end and Find Previous back from its start once the list is searched again.
    std::optional<Search::BookMatch> last_;
    std::optional<std::pair<Search::BookPlace, Search::BookPlace>> cursor_;
    CoalescedStep step_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TarnViewModel
