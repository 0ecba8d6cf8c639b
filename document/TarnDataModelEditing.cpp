// SPDX-License-Identifier: MIT
#include "document/TarnDataModel.h"

#include "commands/ChoiceCommands.h"
#include "commands/CompositeCommand.h"
#include "commands/SectionCommands.h"
#include "commands/UpdatePropertyCommand.h"
#include "document/SectionNumbers.h"
#include "graph/TarnDataModelException.h"

#include <map>
#include <set>

namespace TarnViewModel {

using CommonLib::Font;
using CommonLib::FontType;

namespace {

Section NewSection(std::uint32_t number, const std::wstring& summary)
{
    Section section;
    section.number = number;
    section.summary = summary;
    return section;
}

}  // namespace

void TarnDataModel::CreateSection(std::uint32_t number, const std::wstring& summary)
{
    const std::uint32_t capped = CappedSectionNumber(number);
    CheckSectionNumber(capped);
    ExecuteAndRecord(std::make_unique<AddSectionCommand>(*this, NewSection(capped, summary)));
}

std::unique_ptr<ICommand> TarnDataModel::AddSectionForMissingDestination(std::uint32_t destination, const std::wstring& summary)
{
    if (graph_.HasSection(destination)) {
        return nullptr;
    }
    return std::make_unique<AddSectionCommand>(*this, NewSection(destination, summary));
}

Uuid TarnDataModel::AddChoiceTo(std::uint32_t source, std::uint32_t destination, const std::wstring& text, bool hidden)
{
    const std::uint32_t capped = CappedSectionNumber(destination);
    CheckSectionNumber(capped);
    Choice choice;
    choice.source = source;
    choice.destination = capped;
    choice.text = text;
    choice.hidden = hidden;
    choice.order = static_cast<std::int32_t>(graph_.ChoiceCount(source)) + 1;

    auto composite = std::make_unique<CompositeCommand>();
    if (auto addSection = AddSectionForMissingDestination(capped, text)) {
        composite->ExecuteAndAppend(std::move(addSection));
    }
    composite->ExecuteAndAppend(std::make_unique<AddChoiceCommand>(*this, choice));
    RecordCommand(std::move(composite));
    return choice.id;
}

void TarnDataModel::EditChoice(const Uuid& id, std::uint32_t destination, const std::wstring& text, bool hidden)
{
    const Choice before = graph_.GetChoice(id);
    const std::uint32_t capped = CappedSectionNumber(destination);
    CheckSectionNumber(capped);
    Choice after = before;
    after.destination = capped;
    after.text = text;
    after.hidden = hidden;

    auto composite = std::make_unique<CompositeCommand>();
    if (auto addSection = AddSectionForMissingDestination(capped, text)) {
        composite->ExecuteAndAppend(std::move(addSection));
    }
    composite->ExecuteAndAppend(std::make_unique<UpdateChoiceCommand>(*this, before, after));
    RecordCommand(std::move(composite));
}

void TarnDataModel::SetChoiceOrder(std::int32_t order, const Uuid& id)
{
    const Choice before = graph_.GetChoice(id);
    Choice after = before;
    after.order = order;
    ExecuteAndRecord(std::make_unique<UpdateChoiceCommand>(*this, before, after));
}

void TarnDataModel::DeleteChoices(const std::vector<Uuid>& ids)
{
    std::set<Uuid> seen;
    for (const Uuid& id : ids) {
        graph_.GetChoice(id);
        if (!seen.insert(id).second) {
            throw TarnDataModelException(BRINDLE_TEXT("TarnDataModel", "Choice is listed more than once"));
        }
    }
    auto composite = std::make_unique<CompositeCommand>();
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        composite->Append(std::make_unique<DeleteChoiceCommand>(*this, graph_.GetChoice(*it), ChoiceDeleteCause::Deleted));
    }
    ExecuteAndRecord(std::move(composite));
}

void TarnDataModel::DeleteSectionAndChoices(std::uint32_t number)
{
    auto composite = std::make_unique<CompositeCommand>();
    std::set<Uuid> listed;
    auto deleteChoice = [&](const Choice& choice) {
        listed.insert(choice.id);
        composite->Append(std::make_unique<DeleteChoiceCommand>(*this, choice, ChoiceDeleteCause::Deleted));
    };
    graph_.VisitSectionChoices(number, true, deleteChoice);

    // Entering choices go per source section from the highest order down, so that undoing
    // puts each back at its old position.
    std::map<std::uint32_t, std::vector<Choice>> enteringBySource;
    graph_.VisitChoicesOfSections({number}, [&](const Choice& choice) {
        if (!listed.contains(choice.id)) {
            enteringBySource[choice.source].push_back(choice);
        }
    });
    for (auto& [source, entering] : enteringBySource) {
        std::sort(entering.begin(), entering.end(), [](const Choice& x, const Choice& y) { return x.order > y.order; });
        for (const Choice& choice : entering) {
            deleteChoice(choice);
        }
    }
    composite->Append(std::make_unique<DeleteSectionCommand>(*this, graph_.GetSection(number)));
    ExecuteAndRecord(std::move(composite));
}

void TarnDataModel::SetMainFont(const Font& font)
{
    auto setter = [this](FontType type) { return [this, type](const Font& value) { SetFont(type, value); }; };
    const Font numberFont{font.faceName, font.size + 3};
    auto composite = std::make_unique<CompositeCommand>();
    composite->Append(
        std::make_unique<UpdatePropertyCommand1Arg<const Font&>>(setter(FontType::MainBook), GetFont(FontType::MainBook), font));
    composite->Append(std::make_unique<UpdatePropertyCommand1Arg<const Font&>>(setter(FontType::SectionNumber),
                                                                               GetFont(FontType::SectionNumber), numberFont));
    ExecuteAndRecord(std::move(composite));
}

void TarnDataModel::SetHeaderFont(const Font& font)
{
    ExecuteAndRecord(std::make_unique<UpdatePropertyCommand1Arg<const Font&>>(
        [this](const Font& value) { SetFont(FontType::Header, value); }, GetFont(FontType::Header), font));
}

void TarnDataModel::SetFooterFont(const Font& font)
{
    ExecuteAndRecord(std::make_unique<UpdatePropertyCommand1Arg<const Font&>>(
        [this](const Font& value) { SetFont(FontType::Footer, value); }, GetFont(FontType::Footer), font));
}

void TarnDataModel::SetSectionShiftableRecorded(std::uint32_t number, bool shiftable)
{
    const bool old = graph_.GetSection(number).shiftable;
    ExecuteAndRecord(std::make_unique<UpdatePropertyCommand1Arg<bool>>([this, number](bool value) { SetSectionShiftable(number, value); },
                                                                       old, shiftable));
}

void TarnDataModel::SetNewPagePerSectionRecorded(bool newPage)
{
    ExecuteAndRecord(std::make_unique<UpdatePropertyCommand1Arg<bool>>([this](bool value) { SetNewPagePerSection(value); },
                                                                       newPagePerSection_, newPage));
}

}  // namespace TarnViewModel
