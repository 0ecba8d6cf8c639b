// SPDX-License-Identifier: MIT
#include "controllers/ChoicesController.h"

#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "export/FormatChoice.h"
#include "graph/SectionLabel.h"
#include "messages/Translator.h"

#include <algorithm>

namespace TarnViewModel {

namespace {

// The row of the choice with that order; a choice announced before those ahead of it
// goes to the end of the list rather than past it.
std::size_t RowFor(std::int32_t order, std::size_t rowCount)
{
    return std::min<std::size_t>(static_cast<std::size_t>(std::max(order, 1) - 1), rowCount);
}

}  // namespace

ChoicesController::ChoicesController(TarnDataModel& model, SectionSelection& selection, IChoicesView* view)
    : model_(model), selection_(selection), view_(view)
{
    connections_.emplace_back(model_.ConnectBookReset([this] {
        Clear(false);
        selected_.clear();
    }));
    connections_.emplace_back(selection_.ConnectSectionSelected([this](const Section& section) {
        Clear(true);
        model_.GetStoryGraph().VisitSectionChoices(section.number, false, [this](const Choice& choice) { ShowChoice(choice); });
    }));
    connections_.emplace_back(model_.ConnectChoiceAdded([this](const Choice& choice) {
        if (choice.source == selection_.GetCurrentSection()) {
            ShowChoice(choice);
        }
    }));
    connections_.emplace_back(model_.ConnectChoiceDeleted([this](const Choice& choice, ChoiceDeleteCause) {
        if (choice.source != selection_.GetCurrentSection()) {
            return;
        }
        view_->RemoveChoiceRow(choice.id);
        std::erase(rows_, choice.id);
        std::erase(selected_, choice.id);
    }));
    connections_.emplace_back(model_.ConnectChoiceUpdated([this](const Choice&, const Choice& to, ChoiceProperty, ChoiceUpdateReason) {
        const auto row = std::find(rows_.begin(), rows_.end(), to.id);
        if (row == rows_.end()) {
            return;
        }
        // A new order moves the row; it stays within the list.
        rows_.erase(row);
        const std::size_t index = RowFor(to.order, rows_.size());
        rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), to.id);
        view_->UpdateChoiceRow(to.id, index, to.destination, DisplayText(to));
        if (selected_.size() == 1 && selected_.front() == to.id) {
            UpdateMoveButtons();
        }
    }));
    connections_.emplace_back(selection_.ConnectSectionDeselected([this](std::uint32_t) { Clear(false); }));
}

std::wstring ChoicesController::DisplayText(const Choice& choice) const
{
    const std::wstring text = FormatChoice(choice.text, choice.destination, model_.GetChoiceFormat()).text;
    return choice.hidden ? Messages::TranslatedWide(BRINDLE_TEXT("Choices", "*hidden* %1").Arg(text)) : text;
}

void ChoicesController::Clear(bool enable)
{
    view_->ClearChoiceRows();
    rows_.clear();
    view_->EnableChoices(enable);
    view_->EnableMoveChoiceDown(false);
    view_->EnableMoveChoiceUp(false);
}

void ChoicesController::ShowChoice(const Choice& choice)
{
    const std::size_t index = RowFor(choice.order, rows_.size());
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), choice.id);
    view_->AddChoiceRow(choice.id, index, choice.destination, DisplayText(choice));
    UpdateMoveButtons();
}

void ChoicesController::UpdateMoveButtons()
{
    const StoryGraph& graph = model_.GetStoryGraph();
    if (selected_.size() != 1 || !graph.HasChoice(selected_.front())) {
        view_->EnableMoveChoiceDown(false);
        view_->EnableMoveChoiceUp(false);
        return;
    }
    const Choice& choice = graph.GetChoice(selected_.front());
    const auto count = static_cast<std::int32_t>(graph.ChoiceCount(choice.source));
    view_->EnableMoveChoiceDown(choice.order != count && count > 1);
    view_->EnableMoveChoiceUp(choice.order != 1 && count > 1);
}

void ChoicesController::AddChoiceToSelection(const std::wstring& text, std::uint32_t destination, bool hidden)
{
    if (selection_.GetCurrentSection() != NoSection) {
        model_.AddChoiceTo(selection_.GetCurrentSection(), destination, text, hidden);
    }
}

DestinationList ChoicesController::Destinations() const
{
    DestinationList destinations;
    model_.GetStoryGraph().VisitSections([&](const Section& section) { destinations.emplace_back(section.number, SectionLabel(section)); });
    return destinations;
}

void ChoicesController::OpenChoiceEditor(const Uuid& id)
{
    if (id.is_nil()) {
        view_->ShowAddChoiceDialog(Destinations(), model_.GetStoryGraph().NextFreeSectionNumber());
    } else {
        view_->ShowEditChoiceDialog(Destinations(), model_.GetStoryGraph().GetChoice(id));
    }
}

void ChoicesController::SetSelectedChoices(const std::vector<Uuid>& ids)
{
    selected_ = ids;
    UpdateMoveButtons();
}

}  // namespace TarnViewModel
