// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace TarnViewModel {

enum class ProblemKind { Unreachable, EmptySlot, ChoiceToEmptySlot, EmptyText, RepeatedChoice, Ending };

// One line of the problems list: what is wrong, and the section it selects.
struct ProblemRow {
    ProblemKind kind = ProblemKind::Unreachable;
    std::uint32_t section = 0;
    std::wstring text;

    bool operator==(const ProblemRow&) const = default;
};

// The problems pane: the book check's findings, kept up to date as the book changes.
class IProblemsView {
public:
    virtual ~IProblemsView() = default;
    virtual void ShowProblems(const std::vector<ProblemRow>& rows) = 0;
    // Runs the step once the events waiting now are handled, so that an edit never waits
    // for the check.
    virtual void RunSoon(std::function<void()> step) = 0;
};

}  // namespace TarnViewModel
