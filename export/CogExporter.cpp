#include "export/CogExporter.h"

#include "document/TarnDataModel.h"
#include "export/ExportText.h"

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>

namespace TarnViewModel {

namespace {

// Every CR and every LF breaks the text; blank lines vanish.
std::vector<std::string> Lines(const std::wstring& text)
{
    std::vector<std::string> lines;
    const std::string utf8 = Utf8(text);
    boost::algorithm::split(lines, utf8, boost::algorithm::is_any_of("\r\n"), boost::algorithm::token_compress_on);
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}

// An option must stay on its own line, or the rest of it would start a new command.
std::string OneLine(const std::wstring& text)
{
    std::string line;
    const std::string utf8 = Utf8(text);
    for (std::size_t index = 0; index < utf8.size(); ++index) {
        if (utf8[index] == '\r' || utf8[index] == '\n') {
            line += ' ';
            index += utf8[index] == '\r' && index + 1 < utf8.size() && utf8[index + 1] == '\n' ? 1 : 0;
        } else {
            line += utf8[index];
        }
    }
    return line;
}

}  // namespace

void CogExporter::Export(const TarnDataModel& model, std::ostream& output)
{
    const StoryGraph& graph = model.GetStoryGraph();
    output << "*title " << Utf8(model.GetTitle()) << '\n';
    graph.VisitSections([&](const Section& section) {
        output << "\n*label " << section.number << '\n';
        for (const std::string& line : Lines(section.text)) {
            output << line << "\n\n";
        }
        if (!graph.HasChoices(section.number, true)) {
            output << "*ending\n";
            return;
        }
        output << "*choice\n";
        graph.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
            output << "    #" << OneLine(choice.text) << "\n        *goto " << choice.destination << '\n';
        });
    });
    output << '\n';
    for (const std::string& line : Lines(model.GetFooter())) {
        output << "*comment " << line << '\n';
    }
}

}  // namespace TarnViewModel
