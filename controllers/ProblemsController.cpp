#include "controllers/ProblemsController.h"

#include "analysis/BookCheck.h"
#include "document/TarnDataModel.h"

namespace TarnViewModel {

namespace {

std::wstring Number(std::uint32_t number)
{
    return std::to_wstring(number);
}

std::wstring Choices(std::uint32_t count)
{
    return count == 1 ? L"a choice" : Number(count) + L" choices";
}

}  // namespace

ProblemsController::ProblemsController(TarnDataModel& model, IProblemsView* view) : model_(model), view_(view)
{
    const auto stale = [this](auto&&...) { Stale(); };
    connections_.emplace_back(model_.ConnectBookReset(stale));
    connections_.emplace_back(model_.ConnectBookLoaded(stale));
    connections_.emplace_back(model_.ConnectSectionAdded(stale));
    connections_.emplace_back(model_.ConnectSectionDeleted(stale));
    connections_.emplace_back(model_.ConnectSectionUpdated(stale));
    connections_.emplace_back(model_.ConnectSectionsSwapped(stale));
    connections_.emplace_back(model_.ConnectSectionsRenumbered(stale));
    connections_.emplace_back(model_.ConnectChoiceAdded(stale));
    connections_.emplace_back(model_.ConnectChoiceUpdated(stale));
    connections_.emplace_back(model_.ConnectChoiceDeleted(stale));
    Stale();
}

ProblemsController::~ProblemsController()
{
    *alive_ = false;
}

void ProblemsController::Stale()
{
    if (scheduled_) {
        return;
    }
    scheduled_ = true;
    view_->RunSoon([this, alive = alive_] {
        if (*alive) {
            scheduled_ = false;
            Check();
        }
    });
}

void ProblemsController::Check()
{
    view_->ShowProblems(RowsOf(CheckBook(model_.GetStoryGraph())));
}

std::vector<ProblemRow> ProblemsController::RowsOf(const CheckReport& report)
{
    std::vector<ProblemRow> rows;
    for (const std::uint32_t number : report.unreachable) {
        rows.push_back({ProblemKind::Unreachable, number, L"No path from section 1 reaches section " + Number(number)});
    }
    for (const std::uint32_t number : report.emptySlots) {
        rows.push_back({ProblemKind::EmptySlot, number, L"Section " + Number(number) + L" is an empty slot"});
    }
    for (const ChoiceLink& link : report.choicesToEmptySlots) {
        rows.push_back({ProblemKind::ChoiceToEmptySlot, link.source,
                        L"Section " + Number(link.source) + L" has " + Choices(link.count) + L" to the empty slot " +
                            Number(link.destination)});
    }
    for (const std::uint32_t number : report.emptyText) {
        rows.push_back({ProblemKind::EmptyText, number, L"Section " + Number(number) + L" has no text"});
    }
    for (const ChoiceLink& link : report.duplicateChoices) {
        rows.push_back({ProblemKind::RepeatedChoice, link.source,
                        L"Section " + Number(link.source) + L" has " + Number(link.count) + L" choices to section " +
                            Number(link.destination)});
    }
    for (const std::uint32_t number : report.endings) {
        rows.push_back({ProblemKind::Ending, number, L"Section " + Number(number) + L" is an ending: confirm that it should be"});
    }
    return rows;
}

}  // namespace TarnViewModel
