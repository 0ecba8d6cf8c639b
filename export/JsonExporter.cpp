#include "export/JsonExporter.h"

#include "document/TarnDataModel.h"
#include "export/ExportText.h"
#include "export/JsonTextWriter.h"

#include <boost/property_tree/json_parser.hpp>

namespace TarnViewModel {

void JsonExporter::Export(const TarnDataModel& model, std::ostream& output)
{
    const StoryGraph& graph = model.GetStoryGraph();
    JsonTextWriter writer;
    writer.StartObject(nullptr);
    writer.StartObject("book");
    writer.Member("version", "2");
    writer.Member("title", Utf8(model.GetTitle()));
    if (graph.SectionCount() == 0) {
        writer.EmptyArray("sections");
    } else {
        writer.StartArray("sections");
        graph.VisitSections([&](const Section& section) {
            writer.StartObject(nullptr);
            writer.Member("number", std::to_string(section.number));
            writer.Member("text", Utf8(ReducedLineBreaks(section.text)));
            if (graph.HasChoices(section.number, true)) {
                writer.StartArray("choices");
                graph.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
                    writer.StartObject(nullptr);
                    writer.Member("text", Utf8(ReducedLineBreaks(choice.text)));
                    writer.Member("destination", std::to_string(choice.destination));
                    writer.Member("hidden", choice.hidden ? "true" : "false");
                    writer.End();
                });
                writer.End();
            }
            writer.End();
        });
        writer.End();
    }
    writer.Member("footer", Utf8(ReducedLineBreaks(model.GetFooter())));
    writer.End();
    writer.End();
    output << writer.Text();
    if (!output.good()) {
        throw boost::property_tree::json_parser_error("write error", "", 0);
    }
}

}  // namespace TarnViewModel
