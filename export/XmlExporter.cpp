#include "export/XmlExporter.h"

#include "document/TarnDataModel.h"
#include "export/ExportText.h"
#include "export/TreeAppend.h"

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

namespace TarnViewModel {

using boost::property_tree::ptree;

namespace {

// Characters that XML 1.0 allows nowhere, not even as references, are left out, so that
// one pasted control character cannot make the whole file unreadable.
bool AllowedInXml(wchar_t character)
{
    const auto code = static_cast<std::uint32_t>(character);
    if (code < 0x20) {
        return code == 0x09 || code == 0x0A || code == 0x0D;
    }
    return code != 0xFFFE && code != 0xFFFF;
}

std::string Value(const std::wstring& text)
{
    std::wstring allowed;
    allowed.reserve(text.size());
    for (wchar_t character : text) {
        if (AllowedInXml(character)) {
            allowed += character;
        }
    }
    return Utf8(allowed);
}

}  // namespace

void XmlExporter::Export(const TarnDataModel& model, std::ostream& output)
{
    const StoryGraph& graph = model.GetStoryGraph();
    ptree root;
    ptree& book = Append(root, "book");
    Append(book, "version", "2");
    Append(book, "title", Value(model.GetTitle()));
    ptree& sections = Append(book, "sections");
    graph.VisitSections([&](const Section& section) {
        ptree& node = Append(sections, "section");
        Append(Append(node, "<xmlattr>"), "number", std::to_string(section.number));
        Append(node, "text", Value(ReducedLineBreaks(section.text)));
        if (!graph.HasChoices(section.number, true)) {
            return;
        }
        ptree& choices = Append(node, "choices");
        graph.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
            ptree& choiceNode = Append(choices, "choice");
            Append(choiceNode, "text", Value(ReducedLineBreaks(choice.text)));
            Append(choiceNode, "destination", std::to_string(choice.destination));
            Append(choiceNode, "hidden", choice.hidden ? "true" : "false");
        });
    });
    Append(book, "footer", Value(ReducedLineBreaks(model.GetFooter())));
    boost::property_tree::write_xml(output, root, boost::property_tree::xml_writer_make_settings<std::string>(' ', 2, "utf-8"));
}

}  // namespace TarnViewModel
