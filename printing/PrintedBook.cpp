#include "printing/PrintedBook.h"

#include "document/TarnDataModel.h"
#include "export/ExportText.h"

namespace TarnGui {

PrintedBook CopyPrintedBook(const TarnViewModel::TarnDataModel& model)
{
    using CommonLib::FontType;
    PrintedBook book;
    book.title = model.GetTitle();
    book.author = model.GetDetails().author;
    book.language = model.GetDetails().language;
    book.footer = model.GetFooter();
    book.fonts = {model.GetFont(FontType::MainBook), model.GetFont(FontType::SectionNumber), model.GetFont(FontType::Header),
                  model.GetFont(FontType::Footer)};
    book.newPagePerSection = model.GetNewPagePerSection();
    const TarnViewModel::StoryGraph& graph = model.GetStoryGraph();
    book.sections.reserve(graph.SectionCount());
    graph.VisitSections([&](const TarnViewModel::Section& section) {
        PrintedSection printed{section.number, TarnViewModel::PiecesBetweenLineBreaks(section.text), {}};
        graph.VisitSectionChoices(section.number, false, [&](const TarnViewModel::Choice& choice) {
            if (!choice.hidden) {
                printed.choices.push_back(
                    {TarnViewModel::FormatChoice(choice.text, choice.destination, model.GetChoiceFormat()), choice.destination});
            }
        });
        book.sections.push_back(std::move(printed));
    });
    return book;
}

}  // namespace TarnGui
