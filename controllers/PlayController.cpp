// SPDX-License-Identifier: MIT
#include "controllers/PlayController.h"

#include "controllers/BookChanges.h"
#include "document/TarnDataModel.h"
#include "export/FormatChoice.h"
#include "graph/TarnDataModelException.h"
#include "messages/Translator.h"

#include <unordered_map>

namespace TarnViewModel {

PlayController::PlayController(TarnDataModel& model, IPlayView* view)
    : model_(model), view_(view), refresh_([view](CoalescedStep::Step step) { view->RunSoon(std::move(step)); }, [this] { BookChanged(); }),
      connections_(ConnectBookChanges(model_, [this] { Stale(); }))
{
    connections_.emplace_back(model_.ConnectFontChanged([this](const CommonLib::Font&, CommonLib::FontType type) {
        if (type == CommonLib::FontType::MainBook) {
            Stale();
        }
    }));
    // Another book has nothing of the path in it: reading starts again rather than telling
    // of every section as removed.
    connections_.emplace_back(model_.ConnectBookReset([this] { Clear(); }));
}

void PlayController::SetShown(bool shown)
{
    shown_ = shown;
    if (shown_ && stale_) {
        refresh_.Request();
    }
}

void PlayController::Stale()
{
    stale_ = true;
    if (shown_) {
        refresh_.Request();
    }
}

void PlayController::PlayFrom(std::uint32_t number)
{
    Start(model_.GetStoryGraph().GetSection(number));
}

void PlayController::PlayFromStart()
{
    const StoryGraph& graph = model_.GetStoryGraph();
    if (graph.SectionCount() == 0) {
        Clear();
        Show();
        return;
    }
    Start(graph.GetSection(graph.HasSection(1) ? 1 : static_cast<std::uint32_t>(graph.FirstSectionNumber())));
}

void PlayController::Clear()
{
    path_.clear();
    numbers_.clear();
    current_ = 0;
    note_.clear();
}

void PlayController::Start(const Section& section)
{
    path_ = {section.id};
    numbers_ = {section.number};
    current_ = 0;
    note_.clear();
    Show();
}

void PlayController::Follow(const Uuid& id)
{
    const StoryGraph& graph = model_.GetStoryGraph();
    const Choice& choice = graph.GetChoice(id);
    if (path_.empty() || choice.source != numbers_[current_]) {
        throw TarnDataModelException(BRINDLE_TEXT("PlayController", "The choice is not one of the section being played"));
    }
    const Section& destination = graph.GetSection(choice.destination);
    path_.resize(current_ + 1);
    numbers_.resize(current_ + 1);
    path_.push_back(destination.id);
    numbers_.push_back(destination.number);
    ++current_;
    note_.clear();
    Show();
}

void PlayController::Back()
{
    if (current_ > 0) {
        GoToStep(current_ - 1);
    }
}

void PlayController::Forward()
{
    GoToStep(current_ + 1);
}

void PlayController::GoToStep(std::size_t index)
{
    if (index < path_.size()) {
        current_ = index;
        note_.clear();
        Show();
    }
}

// A new reading from the first step: the old path and its way forward go.
void PlayController::Restart()
{
    if (path_.empty()) {
        return;
    }
    path_.resize(1);
    numbers_.resize(1);
    current_ = 0;
    note_.clear();
    if (stale_) {
        BookChanged();
    } else {
        Show();
    }
}

// Sections keep their ids through renumbering, so the path is found again by id.
void PlayController::BookChanged()
{
    stale_ = false;
    if (path_.empty()) {
        Show();
        return;
    }
    std::unordered_map<Uuid, std::uint32_t, UuidHash> numberOf;
    model_.GetStoryGraph().VisitSections([&](const Section& section) { numberOf.emplace(section.id, section.number); });
    for (std::size_t step = 0; step < path_.size(); ++step) {
        const auto found = numberOf.find(path_[step]);
        if (found == numberOf.end()) {
            note_ = Messages::TranslatedWide(
                BRINDLE_TEXT("Play", "Section %1 was removed from the book, so the path ends before it.").Arg(numbers_[step]));
            path_.resize(step);
            numbers_.resize(step);
            break;
        }
        numbers_[step] = found->second;
    }
    current_ = path_.empty() ? 0 : std::min(current_, path_.size() - 1);
    Show();
}

void PlayController::Show()
{
    PlayPage page = path_.empty() ? PlayPage{} : PageOf(numbers_[current_]);
    page.note = note_;
    page.font = model_.GetFont(CommonLib::FontType::MainBook);
    view_->ShowPage(page);
    view_->ShowPath(numbers_, current_);
    view_->EnableSteps(current_ > 0, current_ + 1 < path_.size());
}

PlayPage PlayController::PageOf(std::uint32_t number) const
{
    const StoryGraph& graph = model_.GetStoryGraph();
    PlayPage page;
    page.section = number;
    page.text = graph.GetSection(number).text;
    std::vector<PlayChoice> hidden;
    graph.VisitSectionChoices(number, false, [&](const Choice& choice) {
        PlayChoice shown{choice.id, choice.destination, FormatChoice(choice.text, choice.destination, model_.GetChoiceFormat()).text,
                         choice.hidden};
        (choice.hidden ? hidden : page.choices).push_back(std::move(shown));
    });
    page.choices.insert(page.choices.end(), hidden.begin(), hidden.end());
    return page;
}

}  // namespace TarnViewModel
