// SPDX-License-Identifier: MIT
#include "controllers/ProblemsController.h"

#include "analysis/BookCheck.h"
#include "controllers/BookChanges.h"
#include "document/TarnDataModel.h"

#include <algorithm>

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
    : model_(model), view_(view), check_([view](CoalescedStep::Step step) { view->RunSoon(std::move(step)); },
                                         [this] {
                                             if (shown_) {
                                                 Check();
                                             }
                                         }),
      connections_(ConnectBookChanges(
          model_,
          [this] {
              report_.reset();
              Stale();
          },
          [this](std::uint32_t, const Section& section, SectionProperty property) { OnSectionUpdated(section, property); }))
{
    Stale();
}

// Writing in a section changes only whether that section has text; its other properties
// are nothing to the check.
void ProblemsController::OnSectionUpdated(const Section& section, SectionProperty property)
{
    if (property == SectionProperty::Number || !report_) {
        report_.reset();
        Stale();
        return;
    }
    if (property != SectionProperty::Text) {
        return;
    }
    std::vector<std::uint32_t>& empty = report_->emptyText;
    const auto place = std::lower_bound(empty.begin(), empty.end(), section.number);
    const bool listed = place != empty.end() && *place == section.number;
    if (listed == Analysis::HasNoText(section)) {
        return;
    }
    if (listed) {
        empty.erase(place);
    } else {
        empty.insert(place, section.number);
    }
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
    if (!report_) {
        report_ = Analysis::CheckBook(*model_.Snapshot());
    }
    view_->ShowProblems(RowsOf(*report_));
}

std::vector<ProblemRow> ProblemsController::RowsOf(const Analysis::CheckReport& report)
{
    std::vector<ProblemRow> rows;
    const auto sections = [&rows](ProblemKind kind, const std::vector<std::uint32_t>& numbers, const auto& text) {
        for (const std::uint32_t number : numbers) {
            rows.push_back({kind, number, text(Number(number))});
        }
    };
    const auto links = [&rows](ProblemKind kind, const std::vector<Analysis::ChoiceLink>& found, const auto& text) {
        for (const Analysis::ChoiceLink& link : found) {
            rows.push_back({kind, link.source, L"Section " + Number(link.source) + L" has " + text(link)});
        }
    };
    sections(ProblemKind::Unreachable, report.unreachable,
             [](const std::wstring& number) { return L"No path from section 1 reaches section " + number; });
    sections(ProblemKind::EmptySlot, report.emptySlots,
             [](const std::wstring& number) { return L"Section " + number + L" is an empty slot"; });
    links(ProblemKind::ChoiceToEmptySlot, report.choicesToEmptySlots,
          [](const Analysis::ChoiceLink& link) { return Choices(link.count) + L" to the empty slot " + Number(link.destination); });
    sections(ProblemKind::EmptyText, report.emptyText, [](const std::wstring& number) { return L"Section " + number + L" has no text"; });
    links(ProblemKind::RepeatedChoice, report.duplicateChoices,
          [](const Analysis::ChoiceLink& link) { return Number(link.count) + L" choices to section " + Number(link.destination); });
    sections(ProblemKind::Ending, report.endings,
             [](const std::wstring& number) { return L"Section " + number + L" is an ending: confirm that it should be"; });
    return rows;
}

}  // namespace TarnViewModel
