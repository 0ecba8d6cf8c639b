// SPDX-License-Identifier: MIT
#include "export/TweeExporter.h"

#include "document/BookSnapshot.h"
#include "document/TweeFormat.h"
#include "export/ExportText.h"
#include "export/JsonTextWriter.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/uuid/uuid_io.hpp>

#include <algorithm>

namespace TarnViewModel {

namespace {

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
    // A lone CR ends a line for every Twee reader, so it is written as one.
    std::string content = Utf8(ReducedLineBreaks(text));
    std::replace(content.begin(), content.end(), '\r', '\n');
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

void WriteStoryData(const BookSnapshot& book, std::ostream& output)
{
    const BookDetails& details = book.GetDetails();
    const bool imported = !details.storyFormat.empty();
    JsonTextWriter json;
    json.StartObject(nullptr);
    json.Member("ifid", boost::algorithm::to_upper_copy(boost::uuids::to_string(details.identifier)));
    json.Member("format", imported ? Utf8(details.storyFormat) : OwnStoryFormat);
    if (!imported || !details.storyFormatVersion.empty()) {
        json.Member("format-version", imported ? Utf8(details.storyFormatVersion) : OwnStoryFormatVersion);
    }
    if (book.SectionCount() > 0) {
        json.Member("start", std::to_string(book.HasSection(1) ? 1 : book.FirstSectionNumber()));
    }
    json.End();
    output << ":: StoryData\n" << json.Text() << '\n';
}

// The section's passage; and, into the book's data, what plain Twee cannot hold of it: how
// many lines of its text come before the links, its summary, which choices are hidden, and
// choice texts that a link cannot hold as they are.
void WriteSection(const BookSnapshot& book, const Section& section, std::ostream& output, JsonTextWriter& data)
{
    const std::vector<std::string> lines = ContentLines(section.text);
    output << ":: " << section.number << '\n';
    for (const std::string& line : lines) {
        output << line << '\n';
    }
    std::string links;
    std::vector<std::string> hidden;
    std::vector<std::pair<std::string, std::string>> texts;
    std::size_t index = 0;
    book.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
        const std::wstring link = LinkText(choice.text);
        links += "[[" + (choice.text.empty() ? "" : Utf8(link) + "->") + std::to_string(choice.destination) + "]]\n";
        if (choice.hidden) {
            hidden.push_back(std::to_string(index));
        }
        if (link != choice.text) {
            texts.emplace_back(std::to_string(index), Utf8(choice.text));
        }
        ++index;
    });
    if (!links.empty()) {
        output << '\n' << links;
    }
    output << '\n';

    data.StartObject(std::to_string(section.number).c_str());
    data.Member("lines", std::to_string(lines.size()));
    if (!section.summary.empty()) {
        data.Member("summary", Utf8(section.summary));
    }
    if (!hidden.empty()) {
        data.StartArray("hidden");
        for (const std::string& at : hidden) {
            data.Member(nullptr, at);
        }
        data.End();
    }
    if (!texts.empty()) {
        data.StartObject("texts");
        for (const auto& [at, text] : texts) {
            data.Member(at.c_str(), text);
        }
        data.End();
    }
    data.End();
}

}  // namespace

void TweeExporter::Export(const BookSnapshot& book, std::ostream& output)
{
    output << ":: StoryTitle\n";
    for (const std::string& line : ContentLines(book.GetTitle())) {
        output << line << '\n';
    }
    output << '\n';
    WriteStoryData(book, output);
    JsonTextWriter data;
    data.StartObject(nullptr);
    data.Member("author", Utf8(book.GetDetails().author));
    data.Member("language", Utf8(book.GetDetails().language));
    data.StartObject("sections");
    book.VisitSections([&](const Section& section) { WriteSection(book, section, output, data); });
    data.End();
    data.End();
    output << ":: " << TweeSectionData << '\n' << data.Text() << '\n';
}

}  // namespace TarnViewModel
