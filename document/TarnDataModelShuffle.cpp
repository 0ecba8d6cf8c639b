// SPDX-License-Identifier: MIT
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
    const NumberChanges changes = graph_.ChangesTo(numbers);
    graph_.ApplyNumbers(numbers);
    FollowSelection(current, numbers);
    MarkModified();
    Renumbered(changes);
    SetCurrentSection(currentSection_);
}

void TarnDataModel::Shuffle()
{
    Numbering before = graph_.CurrentNumbering();
    const Uuid current = CurrentSectionId();
    Numbering after = graph_.NumberingOf(graph_.BestShuffle(10));
    const NumberChanges changes = graph_.ChangesTo(after);
    graph_.ApplyNumbers(after);
    FollowSelection(current, after);
    // Before the undo step is announced, so that the window's title already shows the change.
    if (!changes.empty()) {
        MarkModified();
    }
    Record(std::make_unique<RenumberSectionsCommand>(*this, std::move(before), std::move(after)), !changes.empty());
    Renumbered(changes);
    if (currentSection_ != NoSection) {
        SetCurrentSection(currentSection_);
    }
}

void TarnDataModel::Renumbered(const NumberChanges& changes)
{
    if (!changes.empty()) {
        sectionsRenumbered_(changes);
    }
}

}  // namespace TarnViewModel
