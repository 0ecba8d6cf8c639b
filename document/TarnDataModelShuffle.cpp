#include "document/TarnDataModel.h"

#include "commands/RenumberSectionsCommand.h"

namespace TarnViewModel {

Uuid TarnDataModel::CurrentSectionId() const
{
    if (currentSection_ == NoSection || !graph_.HasSection(currentSection_)) {
        return Uuid{};
    }
    return graph_.GetSection(currentSection_).id;
}

void TarnDataModel::FollowSelection(const Uuid& id, const Numbering& numbering)
{
    if (id.is_nil()) {
        return;
    }
    auto found = numbering.find(id);
    if (found != numbering.end()) {
        currentSection_ = found->second;
    }
}

void TarnDataModel::RenumberSections(const Numbering& numbers)
{
    const Uuid current = CurrentSectionId();
    graph_.ApplyNumbers(numbers);
    FollowSelection(current, numbers);
    modified_ = true;
    bookLoaded_(graph_.AllSections(), graph_.AllChoices());
    SetCurrentSection(currentSection_);
}

void TarnDataModel::Shuffle()
{
    const Numbering before = graph_.CurrentNumbering();
    const Uuid current = CurrentSectionId();
    std::int64_t bestScore = -1;
    Numbering best;
    for (int pass = 0; pass < 10; ++pass) {
        graph_.Shuffle();
        const std::int64_t score = graph_.ScoreNumbering();
        if (score > bestScore) {
            bestScore = score;
            best = graph_.CurrentNumbering();
        }
    }
    graph_.ApplyNumbers(best);
    FollowSelection(current, best);
    RecordCommand(std::make_unique<RenumberSectionsCommand>(*this, before, best));
    if (before != best) {
        modified_ = true;
    }
    bookLoaded_(graph_.AllSections(), graph_.AllChoices());
    if (currentSection_ != NoSection) {
        SetCurrentSection(currentSection_);
    }
}

}  // namespace TarnViewModel
