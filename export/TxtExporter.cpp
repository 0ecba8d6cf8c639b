#include "export/TxtExporter.h"

#include "document/TarnDataModel.h"
#include "export/ExportText.h"
#include "export/FormatChoice.h"

namespace TarnViewModel {

void TxtExporter::Export(const TarnDataModel& model, std::ostream& output)
{
    const StoryGraph& graph = model.GetStoryGraph();
    output << Utf8(model.GetTitle());
    graph.VisitSections([&](const Section& section) {
        output << "\n\n" << section.number << '\n' << Utf8(ReducedLineBreaks(section.text));
        graph.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
            if (!choice.hidden) {
                const auto formatted = FormatChoice(choice.text, choice.destination, model.GetChoiceFormat());
                output << '\n' << Utf8(ReducedLineBreaks(formatted.text));
            }
        });
    });
    output << "\n\n\n" << Utf8(ReducedLineBreaks(model.GetFooter()));
}

}  // namespace TarnViewModel
