#include "controllers/ProblemsController.h"

#include "analysis/BookCheck.h"
#include "controllers/BookChanges.h"
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

ProblemsController::ProblemsController(TarnDataModel& model, IProblemsView* view)
    : model_(model),
      view_(view),
      check_([view](CoalescedStep::Step step) { view->RunSoon(std::move(step)); },
             [this] {
                 if (shown_) {
                     Check();
                 }
             }),
      connections_(ConnectBookChanges(model_, [this] { Stale(); }))
{
    Stale();
}

void ProblemsController::SetShown(bool shown)
{
    shown_ = shown;
    if (shown_ && stale_) {
        Stale();
    }
}

void ProblemsController::Stale()
{
    stale_ = true;
    if (shown_) {
        check_.Request();
    }
}

void ProblemsController::Check()
{
    stale_ = false;
    view_->ShowProblems(RowsOf(CheckBook(model_.GetStoryGraph())));
}

std::vector<ProblemRow> ProblemsController::RowsOf(const CheckReport& report)
{
    std::vector<ProblemRow> rows;
    const auto sections = [&rows](ProblemKind kind, const std::vector<std::uint32_t>& numbers, const auto& text) {
        for (const std::uint32_t number : numbers) {
            rows.push_back({kind, number, text(Number(number))});
        }
    };
    const auto links = [&rows](ProblemKind kind, const std::vector<ChoiceLink>& found, const auto& text) {
        for (const ChoiceLink& link : found) {
            rows.push_back({kind, link.source, L"Section " + Number(link.source) + L" has " + text(link)});
        }
    };
    sections(ProblemKind::Unreachable, report.unreachable,
             [](const std::wstring& number) { return L"No path from section 1 reaches section " + number; });
    sections(ProblemKind::EmptySlot, report.emptySlots,
             [](const std::wstring& number) { return L"Section " + number + L" is an empty slot"; });
    links(ProblemKind::ChoiceToEmptySlot, report.choicesToEmptySlots, [](const ChoiceLink& link) {
        return Choices(link.count) + L" to the empty slot " + Number(link.destination);
    });
    sections(ProblemKind::EmptyText, report.emptyText, [](const std::wstring& number) { return L"Section " + number + L" has no text"; });
    links(ProblemKind::RepeatedChoice, report.duplicateChoices, [](const ChoiceLink& link) {
        return Number(link.count) + L" choices to section " + Number(link.destination);
    });
    sections(ProblemKind::Ending, report.endings,
             [](const std::wstring& number) { return L"Section " + number + L" is an ending: confirm that it should be"; });
    return rows;
}

}  // namespace TarnViewModel
