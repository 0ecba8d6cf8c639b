// SPDX-License-Identifier: MIT
#include "controllers/FindReplaceController.h"

#include "commands/BulkCommand.h"
#include "commands/ChoiceCommands.h"
#include "commands/CompositeCommand.h"
#include "commands/UpdatePropertyCommand.h"
#include "controllers/BookChanges.h"
#include "controllers/SectionSelection.h"
#include "document/BookLimits.h"
#include "document/BookSize.h"
#include "document/TarnDataModel.h"

#include <algorithm>

namespace TarnViewModel {

namespace {

// What the text takes in the file as the field; only differences between two texts of one
// field are used.
std::uint64_t FieldSizeInFile(Search::SearchField field, const std::wstring& text)
{
    switch (field) {
    case Search::SearchField::Summary:
        return SectionSizeInFile(text, {});
    case Search::SearchField::ChoiceText:
        return ChoiceSizeInFile(text);
    case Search::SearchField::Text:
        break;
    }
    return SectionSizeInFile({}, text);
}

}  // namespace

FindReplaceController::FindReplaceController(TarnDataModel& model, SectionSelection& selection, IFindReplaceView* view)
    : model_(model), selection_(selection), view_(view),
      // However often the book changes before the next turn, one step is waiting at a time.
      step_([view](CoalescedStep::Step step) { view->RunSoon(std::move(step)); },
            [this] {
                if (searching_ && shown_) {
                    Step();
                }
            }),
      connections_(ConnectBookChanges(model_, [this] { BookChanged(); }))
{}

void FindReplaceController::Search(const std::wstring& pattern, Search::SearchOptions options)
{
    Search::SearchPattern read(pattern, options);
    pattern_ = std::move(read);
    current_.reset();
    last_.reset();
    cursor_.reset();
    StartSearch();
}

void FindReplaceController::SetShown(bool shown)
{
    shown_ = shown;
    if (shown_ && searching_) {
        step_.Request();
    }
}

void FindReplaceController::BookChanged()
{
    if (pattern_ && !pattern_->Empty()) {
        StartSearch();
    }
}

void FindReplaceController::StartSearch()
{
    found_.clear();
    book_.reset();
    nextSection_ = 1;
    searching_ = true;
    if (!pattern_ || pattern_->Empty()) {
        Publish();
    } else if (shown_) {
        step_.Request();
    }
}

void FindReplaceController::Step()
{
    // Copying the book takes a turn of its own, apart from the panes' work after a change.
    if (!book_) {
        book_ = model_.Snapshot();
        step_.Request();
        return;
    }
    const BookSnapshot& book = *book_;
    const std::uint32_t last = book.SectionCount() == 0 ? 0 : book.LastSectionNumber();
    const std::uint32_t to = std::min(last, nextSection_ + SectionsPerStep - 1);
    std::vector<Search::BookMatch> matches;
    // A pattern too costly to search with ends the search rather than failing on every turn.
    searching_ = false;
    Search::FindInSections(book, *pattern_, nextSection_, to, matches);
    searching_ = true;
    for (const Search::BookMatch& match : matches) {
        found_.push_back({match, Search::SnippetOf(*Search::MatchedText(book, match), match.range)});
    }
    nextSection_ = to + 1;
    if (nextSection_ > last) {
        Publish();
    } else {
        step_.Request();
    }
}

void FindReplaceController::FinishSearch()
{
    while (searching_) {
        Step();
    }
}

void FindReplaceController::Publish()
{
    searching_ = false;
    book_.reset();
    matches_ = std::move(found_);
    found_.clear();
    current_.reset();
    if (last_) {
        const auto same = std::find_if(matches_.begin(), matches_.end(), [this](const FoundMatch& found) { return found.match == *last_; });
        if (same != matches_.end()) {
            current_ = static_cast<std::size_t>(same - matches_.begin());
        }
    }
    view_->ShowMatches(matches_);
    view_->ShowCurrentMatch(current_);
}

bool FindReplaceController::StillInBook(const Search::BookMatch& match) const
{
    const std::wstring* text = Search::MatchedText(*model_.Snapshot(), match);
    return text && match.range.start + match.range.length <= text->size();
}

void FindReplaceController::GoToMatch(std::size_t index)
{
    // A list shown before the book changed may name what is no longer there.
    if (index < matches_.size() && StillInBook(matches_[index].match)) {
        Go(index);
    }
}

void FindReplaceController::Go(std::size_t index)
{
    const Search::BookMatch match = matches_[index].match;
    current_ = index;
    last_ = match;
    cursor_ = {Search::StartOf(match), Search::EndOf(match)};
    selection_.SetCurrentSection(match.section);
    view_->ShowCurrentMatch(current_);
    view_->RevealMatch(match);
}

Search::BookPlace FindReplaceController::SectionStart() const
{
    return {selection_.GetCurrentSection(), 0, 0};
}

std::size_t FindReplaceController::FirstFrom(const Search::BookPlace& place) const
{
    const auto first = std::partition_point(matches_.begin(), matches_.end(),
                                            [&](const FoundMatch& found) { return Search::StartOf(found.match) < place; });
    return static_cast<std::size_t>(first - matches_.begin());
}

void FindReplaceController::FindNext()
{
    FinishSearch();
    if (matches_.empty()) {
        return;
    }
    const std::size_t next = current_ ? *current_ + 1 : FirstFrom(cursor_ ? cursor_->second : SectionStart());
    Go(next < matches_.size() ? next : 0);
}

void FindReplaceController::FindPrevious()
{
    FinishSearch();
    if (matches_.empty()) {
        return;
    }
    const std::size_t before = current_ ? *current_ : FirstFrom(cursor_ ? cursor_->first : SectionStart());
    Go(before > 0 ? before - 1 : matches_.size() - 1);
}

void FindReplaceController::ReplaceCurrent(const std::wstring& replacement)
{
    FinishSearch();
    if (!current_) {
        FindNext();
        return;
    }
    const Search::BookMatch match = matches_[*current_].match;
    const SharedBook book = model_.Snapshot();
    const std::wstring& text = *Search::MatchedText(*book, match);
    const std::wstring with = pattern_->ReplacementFor(text, match.range, replacement);
    std::wstring replaced = text;
    replaced.replace(match.range.start, match.range.length, with);
    auto command = ReplaceCommand(match, std::move(replaced));
    command->Execute();
    model_.RecordCommand(std::move(command));
    current_.reset();
    last_.reset();
    cursor_ = {Search::StartOf(match), Search::BookPlace{match.section, match.fieldOrder, match.range.start + with.size()}};
    view_->ShowReplaced(1);
    FindNext();
}

std::size_t FindReplaceController::ReplaceAll(const std::wstring& replacement)
{
    if (!pattern_ || pattern_->Empty()) {
        view_->ShowReplaced(0);
        return 0;
    }
    const SharedBook book = model_.Snapshot();
    const std::vector<Search::BookMatch> matches = Search::FindInBook(*book, *pattern_);
    auto composite = std::make_unique<CompositeCommand>();
    // Every replacement is measured before the first is made, and none is let grow beyond
    // what the book may still take, so that a refusal changes nothing and costs little.
    const auto room = static_cast<std::int64_t>(model_.Room());
    std::int64_t growth = 0;
    for (auto first = matches.begin(); first != matches.end();) {
        const auto next = std::find_if(first, matches.end(), [&](const Search::BookMatch& match) {
            return match.section != first->section || match.fieldOrder != first->fieldOrder;
        });
        const std::wstring& text = *Search::MatchedText(*book, *first);
        // A character takes at least a byte in the file.
        const auto longest = text.size() + static_cast<std::size_t>(std::max<std::int64_t>(room - growth, 0));
        std::optional<std::wstring> replaced = pattern_->ReplaceAllWithin(text, replacement, longest);
        if (!replaced) {
            RefuseGrowthPastLimit();
        }
        growth += static_cast<std::int64_t>(FieldSizeInFile(first->field, *replaced)) -
                  static_cast<std::int64_t>(FieldSizeInFile(first->field, text));
        composite->Append(ReplaceCommand(*first, std::move(*replaced)));
        first = next;
    }
    model_.CheckGrowth(growth);
    if (!composite->IsEmpty()) {
        auto command = std::make_unique<BulkCommand>(model_, std::move(composite));
        command->Execute();
        model_.RecordCommand(std::move(command));
    }
    view_->ShowReplaced(matches.size());
    return matches.size();
}

// The property command that gives the field holding the match its new text.
std::unique_ptr<ICommand> FindReplaceController::ReplaceCommand(const Search::BookMatch& match, std::wstring replaced)
{
    const StoryGraph& graph = model_.GetStoryGraph();
    const std::uint32_t number = match.section;
    TarnDataModel& model = model_;
    switch (match.field) {
    case Search::SearchField::Summary:
        return std::make_unique<UpdatePropertyCommand1Arg<const std::wstring&>>(
            [&model, number](const std::wstring& value) { model.SetSectionSummary(number, value); }, graph.GetSection(number).summary,
            std::move(replaced));
    case Search::SearchField::ChoiceText: {
        const Choice& before = graph.GetChoice(match.choice);
        Choice after = before;
        after.text = std::move(replaced);
        return std::make_unique<UpdateChoiceCommand>(model, before, after);
    }
    case Search::SearchField::Text:
        break;
    }
    return std::make_unique<UpdatePropertyCommand1Arg<const std::wstring&>>(
        [&model, number](const std::wstring& value) { model.SetSectionText(number, value); }, graph.GetSection(number).text,
        std::move(replaced));
}

}  // namespace TarnViewModel
