// SPDX-License-Identifier: MIT
#include "controllers/ProblemsController.h"

#include "analysis/BookCheck.h"
#include "controllers/BookChanges.h"
#include "document/TarnDataModel.h"
#include "messages/Translator.h"

#include <algorithm>

namespace TarnViewModel {

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
    const auto sections = [&rows](ProblemKind kind, const std::vector<std::uint32_t>& numbers, const Messages::Message& text) {
        for (const std::uint32_t number : numbers) {
            rows.push_back({kind, number, Messages::TranslatedWide(Messages::Message(text).Arg(number))});
        }
    };
    const auto links = [&rows](ProblemKind kind, const std::vector<Analysis::ChoiceLink>& found, const Messages::Message& text) {
        for (const Analysis::ChoiceLink& link : found) {
            rows.push_back({kind, link.source,
                            Messages::TranslatedWide(Messages::Message(text).Arg(link.source).Arg(link.destination).Count(link.count))});
        }
    };
    sections(ProblemKind::Unreachable, report.unreachable, BRINDLE_TEXT("Problems", "No path from section 1 reaches section %1"));
    sections(ProblemKind::EmptySlot, report.emptySlots, BRINDLE_TEXT("Problems", "Section %1 is an empty slot"));
    links(ProblemKind::ChoiceToEmptySlot, report.choicesToEmptySlots,
          BRINDLE_COUNTED_TEXT("Problems", "Section %1 has %n choice(s) to the empty slot %2"));
    sections(ProblemKind::EmptyText, report.emptyText, BRINDLE_TEXT("Problems", "Section %1 has no text"));
    links(ProblemKind::RepeatedChoice, report.duplicateChoices,
          BRINDLE_COUNTED_TEXT("Problems", "Section %1 has %n choices to section %2"));
    sections(ProblemKind::Ending, report.endings, BRINDLE_TEXT("Problems", "Section %1 is an ending: confirm that it should be"));
    return rows;
}

}  // namespace TarnViewModel
