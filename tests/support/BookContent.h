// SPDX-License-Identifier: MIT
#pragma once

#include "document/TarnDataModel.h"

#include <ostream>
#include <tuple>
#include <vector>

namespace TestSupport {

// What a book file keeps of a book: everything but the choices' identifiers, with each
// section's choices in their order.
struct BookContent {
    struct ChoiceContent {
        std::uint32_t destination;
        std::wstring text;
        bool hidden;
        bool operator==(const ChoiceContent&) const = default;
    };
    struct SectionContent {
        std::uint32_t number;
        std::wstring summary, text;
        bool shiftable;
        CommonLib::ColourUtilities::RGBColour colour;
        std::vector<ChoiceContent> choices;
        bool operator==(const SectionContent&) const = default;
    };

    std::wstring title;
    TarnViewModel::BookDetails details;
    std::wstring footer, choiceFormat;
    bool newPagePerSection = false;
    std::vector<CommonLib::Font> fonts;
    std::vector<SectionContent> sections;

    bool operator==(const BookContent&) const = default;

    static BookContent Of(const TarnViewModel::TarnDataModel& model)
    {
        BookContent content{
            model.GetTitle(), model.GetDetails(), model.GetFooter(), model.GetChoiceFormat(), model.GetNewPagePerSection(), {}, {}};
        for (int type = 0; type < 4; ++type) {
            content.fonts.push_back(model.GetFont(static_cast<CommonLib::FontType>(type)));
        }
        const auto& graph = model.GetStoryGraph();
        graph.VisitSections([&](const TarnViewModel::Section& section) {
            SectionContent entry{section.number, section.summary, section.text, section.shiftable, section.backgroundColour, {}};
            graph.VisitSectionChoices(section.number, false, [&entry](const TarnViewModel::Choice& choice) {
                entry.choices.push_back(ChoiceContent{choice.destination, choice.text, choice.hidden});
            });
            content.sections.push_back(entry);
        });
        return content;
    }
};

inline std::ostream& operator<<(std::ostream& out, const BookContent& content)
{
    return out << content.sections.size() << " sections";
}

}  // namespace TestSupport
