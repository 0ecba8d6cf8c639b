// SPDX-License-Identifier: MIT
#include "controllers/SectionSelection.h"

#include "document/SectionNumbers.h"
#include "document/TarnDataModel.h"
#include "graph/TarnDataModelException.h"

#include <string>

namespace TarnViewModel {

SectionSelection::SectionSelection(TarnDataModel& model) : model_(model)
{
    // The panes hear of a change while the current number is still the one they know; the
    // selection follows once all of them have.
    connections_.emplace_back(model_.ConnectBookReset(
        [this] {
            current_ = NoSection;
            firstPending_ = true;
        },
        Turn::First));
    connections_.emplace_back(
        model_.ConnectBookLoaded([this](const std::vector<Section>&, const std::vector<Choice>&) { SelectFirstIfPending(); }, Turn::Last));
    // A new book's first section is made by a bulk change of its own.
    connections_.emplace_back(model_.ConnectBulkChangeEnds([this] { SelectFirstIfPending(); }, Turn::Last));
    connections_.emplace_back(model_.ConnectSectionAdded(
        [this](const Section& section) {
            if (section.number == current_) {
                Announce();
            }
        },
        Turn::Last));
    connections_.emplace_back(model_.ConnectSectionDeleted(
        [this](const Section& section) {
            if (section.number == current_) {
                deselected_(current_);
            }
        },
        Turn::First));
    connections_.emplace_back(model_.ConnectSectionUpdated(
        [this](std::uint32_t oldNumber, const Section& section, SectionProperty property) {
            if (property == SectionProperty::Number) {
                FollowNumberChange(oldNumber, section.number);
            }
        },
        Turn::Last));
    // The first now has the number the second had.
    connections_.emplace_back(
        model_.ConnectSectionsSwapped([this](const Section& a, const Section& b) { FollowNumberChange(b.number, a.number); }, Turn::Last));
    // Every pane sees the new numbers with the current one already among them, and hears of
    // the current section again once all of them have them.
    connections_.emplace_back(model_.ConnectSectionsRenumbered(
        [this](const NumberChanges& changes) {
            for (const NumberChange& change : changes) {
                if (change.from == current_) {
                    current_ = change.to;
                    break;
                }
            }
        },
        Turn::First));
    connections_.emplace_back(model_.ConnectSectionsRenumbered(
        [this](const NumberChanges&) {
            if (current_ != NoSection) {
                SetCurrentSection(current_);
            }
        },
        Turn::Last));
}

void SectionSelection::SetCurrentSection(std::uint32_t number)
{
    model_.CommitPendingEdits();
    current_ = number;
    firstPending_ = false;
    Announce();
}

void SectionSelection::GoToSection(std::uint32_t number)
{
    CheckSectionNumber(number);
    if (!model_.GetStoryGraph().HasSection(number)) {
        throw TarnDataModelException(BRINDLE_TEXT("SectionSelection", "There is no section %1 in this book.").Arg(number));
    }
    SetCurrentSection(number);
}

Connection SectionSelection::ConnectSectionSelected(const SectionSelectedSignal::slot_type& slot)
{
    return selected_.connect(slot);
}

Connection SectionSelection::ConnectSectionDeselected(const SectionDeselectedSignal::slot_type& slot)
{
    return deselected_.connect(slot);
}

void SectionSelection::Announce()
{
    const StoryGraph& graph = model_.GetStoryGraph();
    if (graph.HasSection(current_)) {
        selected_(Section(graph.GetSection(current_)));
    } else {
        deselected_(current_);
    }
}

void SectionSelection::SelectFirstIfPending()
{
    const StoryGraph& graph = model_.GetStoryGraph();
    if (firstPending_ && graph.SectionCount() > 0) {
        SetCurrentSection(static_cast<std::uint32_t>(graph.FirstSectionNumber()));
    }
}

void SectionSelection::FollowNumberChange(std::uint32_t from, std::uint32_t to)
{
    if (current_ == from) {
        current_ = to;
    } else if (current_ == to) {
        current_ = from;
    }
}

}  // namespace TarnViewModel
