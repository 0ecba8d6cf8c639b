// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace TarnViewModel {

class SectionSelection;
class TarnDataModel;

enum class ChartStep { Up, Down, Left, Right };

// Walks the chart from the keyboard along the book's choices: down to the first destination
// of the current section, up to the section the walk came down from (or, failing that, the
// lowest-numbered section with a choice leading here), and left and right among the
// destinations of that section. A section nothing leads to steps left and right through the
// sections in number order.
class ChartSteps {
public:
    ChartSteps(const TarnDataModel& model, SectionSelection& selection);

    void Take(ChartStep step);

private:
    // The numbers the section's choices lead to, in the choices' order, each once.
    std::vector<std::uint32_t> Destinations(std::uint32_t number) const;
    std::optional<std::uint32_t> Parent(std::uint32_t number) const;
    std::optional<std::uint32_t> Sibling(std::uint32_t number, int direction) const;

    const TarnDataModel& model_;
    SectionSelection& selection_;
    std::uint32_t cameFrom_ = 0;
};

}  // namespace TarnViewModel
