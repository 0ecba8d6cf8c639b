#include "export/TweeExporter.h"

#include "document/TarnDataModel.h"
#include "export/ExportText.h"
#include "export/JsonTextWriter.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/uuid/uuid_io.hpp>

namespace TarnViewModel {

namespace {

std::string JsonString(const std::wstring& text)
{
    return "\"" + JsonEscaped(Utf8(text)) + "\"";
}

// Backslashes, if any, then "::": read as a passage header, or as one once a backslash is
// taken off.
bool MayReadAsHeader(const std::string& line)
{
    const std::size_t first = line.find_first_not_of('\\');
    return first != std::string::npos && line.compare(first, 2, "::") == 0;
}

// The text's lines, LF apart: a line that would read as a passage header gets one more
// backslash in front, which an import takes off again.
std::vector<std::string> ContentLines(const std::wstring& text)
{
    std::vector<std::string> lines;
    if (text.empty()) {
        return lines;
    }
    const std::string content = Utf8(ReducedLineBreaks(text));
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = content.find('\n', start);
        std::string line = content.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (MayReadAsHeader(line)) {
            line.insert(0, 1, '\\');
        }
        lines.push_back(std::move(line));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 1;
    }
}

// A choice text as a link can hold it: on one line, and never closing the link early.
std::wstring LinkText(const std::wstring& text)
{
    std::wstring link;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == L'\r' && index + 1 < text.size() && text[index + 1] == L'\n') {
            continue;
        }
        link += (text[index] == L'\r' || text[index] == L'\n') ? L' ' : text[index];
        if (text[index] == L']' && index + 1 < text.size() && text[index + 1] == L']') {
            link += L' ';
        }
    }
    return link;
}

void WriteStoryData(const TarnDataModel& model, std::ostream& output)
{
    JsonTextWriter json;
    json.StartObject(nullptr);
    json.Member("ifid", boost::algorithm::to_upper_copy(boost::uuids::to_string(model.GetDetails().identifier)));
    json.Member("format", "Harlowe");
    const StoryGraph& graph = model.GetStoryGraph();
    if (graph.SectionCount() > 0) {
        json.Member("start", std::to_string(graph.HasSection(1) ? 1 : graph.FirstSectionNumber()));
    }
    json.StartObject("brindle");
    json.Member("author", Utf8(model.GetDetails().author));
    json.Member("language", Utf8(model.GetDetails().language));
    json.End();
    json.End();
    output << ":: StoryData\n" << json.Text() << '\n';
}

void WritePassage(const StoryGraph& graph, const Section& section, std::ostream& output)
{
    const std::vector<std::string> lines = ContentLines(section.text);
    std::string links;
    std::string hidden;
    std::string texts;
    std::size_t index = 0;
    graph.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
        const std::wstring link = LinkText(choice.text);
        links += "[[" + (choice.text.empty() ? "" : Utf8(link) + "->") + std::to_string(choice.destination) + "]]\n";
        if (choice.hidden) {
            hidden += (hidden.empty() ? "" : ",") + std::to_string(index);
        }
        if (link != choice.text) {
            texts += (texts.empty() ? "\"" : ",\"") + std::to_string(index) + "\":" + JsonString(choice.text);
        }
        ++index;
    });
    std::string metadata = "{\"lines\":" + std::to_string(lines.size());
    if (!section.summary.empty()) {
        metadata += ",\"summary\":" + JsonString(section.summary);
    }
    if (!hidden.empty()) {
        metadata += ",\"hidden\":[" + hidden + "]";
    }
    if (!texts.empty()) {
        metadata += ",\"texts\":{" + texts + "}";
    }
    output << ":: " << section.number << " {\"brindle\":" << metadata << "}}\n";
    for (const std::string& line : lines) {
        output << line << '\n';
    }
    if (!links.empty()) {
        output << '\n' << links;
    }
    output << '\n';
}

}  // namespace

void TweeExporter::Export(const TarnDataModel& model, std::ostream& output)
{
    output << ":: StoryTitle\n";
    for (const std::string& line : ContentLines(model.GetTitle())) {
        output << line << '\n';
    }
    output << '\n';
    WriteStoryData(model, output);
    const StoryGraph& graph = model.GetStoryGraph();
    graph.VisitSections([&](const Section& section) { WritePassage(graph, section, output); });
}

}  // namespace TarnViewModel
