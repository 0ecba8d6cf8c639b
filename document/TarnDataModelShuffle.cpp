// SPDX-License-Identifier: MIT
#include "document/TarnDataModel.h"

#include "commands/RenumberSectionsCommand.h"

namespace TarnViewModel {

void TarnDataModel::RenumberSections(const Numbering& numbers)
{
    const NumberChanges changes = graph_.ChangesTo(numbers);
    graph_.ApplyNumbers(numbers);
    MarkModified();
    Renumbered(changes);
}

void TarnDataModel::Shuffle()
{
    Numbering before = graph_.CurrentNumbering();
    Numbering after = graph_.NumberingOf(graph_.BestShuffle(10));
    const NumberChanges changes = graph_.ChangesTo(after);
    graph_.ApplyNumbers(after);
    // Before the undo step is announced, so that the window's title already shows the change.
    if (!changes.empty()) {
        MarkModified();
    }
    Record(std::make_unique<RenumberSectionsCommand>(*this, std::move(before), std::move(after)), !changes.empty());
    Renumbered(changes);
}

void TarnDataModel::Renumbered(const NumberChanges& changes)
{
    if (!changes.empty()) {
        sectionsRenumbered_(changes);
    }
}

}  // namespace TarnViewModel
