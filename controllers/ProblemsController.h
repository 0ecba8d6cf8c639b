// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/BookCheck.h"
#include "controllers/CoalescedStep.h"
#include "controllers/IProblemsView.h"
#include "document/DocumentNotifications.h"

#include <memory>
#include <optional>
#include <vector>

namespace TarnViewModel {

class TarnDataModel;

// Checks the book again after every change that can make or mend a problem, once for any
// number of changes made before the view's next turn, and shows what the check finds.
class ProblemsController {
public:
    ProblemsController(TarnDataModel& model, IProblemsView* view);
    ProblemsController(const ProblemsController&) = delete;
    ProblemsController& operator=(const ProblemsController&) = delete;

    // While the list is hidden, changes are only noted, and the book is checked once it shows.
    void SetShown(bool shown);

    // The rows of a check's findings, each kind in turn and by number within it.
    static std::vector<ProblemRow> RowsOf(const Analysis::CheckReport& report);

private:
    void Stale();
    void OnSectionUpdated(const Section& section, SectionProperty property);
    void Check();

    TarnDataModel& model_;
    IProblemsView* view_;
    bool shown_ = true;
    bool stale_ = false;
    // The findings of the last whole check, kept up to date through text edits and dropped
    // at any other change.
    std::optional<Analysis::CheckReport> report_;
    CoalescedStep check_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TarnViewModel
