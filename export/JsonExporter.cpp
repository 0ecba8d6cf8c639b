#include "export/JsonExporter.h"

#include "document/TarnDataModel.h"
#include "export/ExportText.h"

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
    ptree& book = root.put_child("book", ptree());
    book.put("version", "2");
    book.put("title", Utf8(model.GetTitle()));
    ptree& sections = book.put_child("sections", ptree());
    graph.VisitSections([&](const Section& section) {
        ptree node;
        node.put("number", section.number);
        node.put("text", Utf8(ReducedLineBreaks(section.text)));
        if (graph.HasChoices(section.number, true)) {
            ptree& choices = node.put_child("choices", ptree());
            graph.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
                ptree choiceNode;
                choiceNode.put("text", Utf8(ReducedLineBreaks(choice.text)));
                choiceNode.put("destination", choice.destination);
                choiceNode.put("hidden", choice.hidden ? "true" : "false");
                choices.push_back({"", std::move(choiceNode)});
            });
        }
        sections.push_back({"", std::move(node)});
    });
    book.put("footer", Utf8(ReducedLineBreaks(model.GetFooter())));

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
