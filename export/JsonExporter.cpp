#include "export/JsonExporter.h"

#include "document/TarnDataModel.h"
#include "export/ExportText.h"
#include "export/TreeAppend.h"

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <sstream>

namespace TarnViewModel {

using boost::property_tree::ptree;

namespace {

// The tree writer writes a node without children as a string; a book without sections
// still has a list of them. A title cannot produce this line: its line breaks and quotes
// are escaped.
void WriteEmptySectionsAsList(std::string& json)
{
    const std::string empty = "\n        \"sections\": \"\",\n";
    const std::size_t found = json.find(empty);
    if (found != std::string::npos) {
        json.replace(found, empty.size(), "\n        \"sections\": [],\n");
    }
}

}  // namespace

void JsonExporter::Export(const TarnDataModel& model, std::ostream& output)
{
    const StoryGraph& graph = model.GetStoryGraph();
    ptree root;
    ptree& book = Append(root, "book");
    Append(book, "version", "2");
    Append(book, "title", Utf8(model.GetTitle()));
    ptree& sections = Append(book, "sections");
    graph.VisitSections([&](const Section& section) {
        // Array elements are children without keys.
        ptree& node = Append(sections, "");
        Append(node, "number", std::to_string(section.number));
        Append(node, "text", Utf8(ReducedLineBreaks(section.text)));
        if (!graph.HasChoices(section.number, true)) {
            return;
        }
        ptree& choices = Append(node, "choices");
        graph.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
            ptree& choiceNode = Append(choices, "");
            Append(choiceNode, "text", Utf8(ReducedLineBreaks(choice.text)));
            Append(choiceNode, "destination", std::to_string(choice.destination));
            Append(choiceNode, "hidden", choice.hidden ? "true" : "false");
        });
    });
    Append(book, "footer", Utf8(ReducedLineBreaks(model.GetFooter())));

    std::ostringstream text;
    boost::property_tree::write_json(text, root, true);
    std::string json = text.str();
    if (graph.SectionCount() == 0) {
        WriteEmptySectionsAsList(json);
    }
    output << json;
    if (!output.good()) {
        throw boost::property_tree::json_parser_error("write error", "", 0);
    }
}

}  // namespace TarnViewModel
