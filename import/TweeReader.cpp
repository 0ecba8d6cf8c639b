// SPDX-License-Identifier: MIT
#include "import/TweeReader.h"

#include "import/JsonValues.h"
#include "import/TextScanning.h"

#include <set>
#include <string_view>

namespace Import {

namespace {

struct Header {
    std::string name;
    std::vector<std::string> tags;
    std::string metadata;
    bool tagsClosed = true;
};

// Reads up to an unescaped character of `stops` or the end; an escaped character is itself.
std::string Unescaped(std::string_view line, std::size_t& position, std::string_view stops)
{
    std::string text;
    while (position < line.size() && stops.find(line[position]) == std::string_view::npos) {
        if (line[position] == '\\' && position + 1 < line.size()) {
            ++position;
        }
        text += line[position++];
    }
    return text;
}

std::string TrimmedRight(std::string text)
{
    text.erase(text.find_last_not_of(" \t") + 1);
    return text;
}

Header ReadHeader(std::string_view line)
{
    Header header;
    std::size_t position = 2;
    SkipSpaces(line, position);
    header.name = TrimmedRight(Unescaped(line, position, "[{"));
    if (position < line.size() && line[position] == '[') {
        ++position;
        for (;;) {
            SkipSpaces(line, position);
            if (position >= line.size()) {
                header.tagsClosed = false;
                break;
            }
            if (line[position] == ']') {
                ++position;
                break;
            }
            header.tags.push_back(Unescaped(line, position, " \t]"));
        }
        SkipSpaces(line, position);
    }
    if (position < line.size() && line[position] == '{') {
        header.metadata = TrimmedRight(std::string(line.substr(position)));
    }
    return header;
}

// Content lines after their header: trailing blank lines dropped, LF apart.
std::string Content(const std::vector<std::string_view>& lines)
{
    std::size_t count = lines.size();
    while (count > 0 && lines[count - 1].find_first_not_of(" \t") == std::string_view::npos) {
        --count;
    }
    std::string text;
    for (std::size_t index = 0; index < count; ++index) {
        std::string_view line = lines[index];
        const std::size_t first = line.find_first_not_of('\\');
        if (first != 0 && first != std::string_view::npos && line.compare(first, 2, "::") == 0) {
            line.remove_prefix(1);
        }
        text.append(index == 0 ? "" : "\n").append(line);
    }
    return text;
}

void ReadStoryData(const std::string& json, std::size_t line, const std::string& fileName, TwineStory& story, ImportWarnings& warnings)
{
    std::string reason;
    const auto data = ParseJson(json, reason);
    if (!data) {
        warnings.push_back(AtLine(fileName, line, BRINDLE_TEXT("Import", "the StoryData is not JSON (%1); it is left out").Arg(reason)));
        return;
    }
    story.ifid = JsonText(*data, "ifid");
    story.start = JsonText(*data, "start");
    story.format = JsonText(*data, "format");
    story.formatVersion = JsonText(*data, "format-version");
    story.author = JsonText(*data, "brindle/author");
    story.language = JsonText(*data, "brindle/language");
}

}  // namespace

TwineStory ReadTwee(const std::string& text, const std::string& fileName, ImportWarnings& warnings)
{
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(std::string_view(text.data() + start, end - start));
        start = end + 1;
    }

    TwineStory story;
    std::set<std::string> names;
    bool titled = false;
    bool described = false;
    for (std::size_t index = 0; index < lines.size();) {
        if (lines[index].substr(0, 2) != "::") {
            ++index;
            continue;
        }
        const std::size_t headerLine = index + 1;
        Header header = ReadHeader(lines[index]);
        std::vector<std::string_view> body;
        for (++index; index < lines.size() && lines[index].substr(0, 2) != "::"; ++index) {
            body.push_back(lines[index]);
        }
        if (!header.tagsClosed) {
            warnings.push_back(AtLine(fileName, headerLine,
                                      BRINDLE_TEXT("Import", "the tags of passage \"%1\" are not closed with \"]\"").Arg(header.name)));
        }
        if (header.name == "StoryTitle" || header.name == "StoryData") {
            bool& seen = header.name == "StoryTitle" ? titled : described;
            if (seen) {
                warnings.push_back(
                    AtLine(fileName, headerLine, BRINDLE_TEXT("Import", "%1 appears again; the later one is left out").Arg(header.name)));
            } else if (header.name == "StoryTitle") {
                story.name = Content(body);
            } else {
                ReadStoryData(Content(body), headerLine, fileName, story, warnings);
            }
            seen = true;
            continue;
        }
        const bool code = std::find_if(header.tags.begin(), header.tags.end(),
                                       [](const std::string& tag) { return tag == "script" || tag == "stylesheet"; }) != header.tags.end();
        if (code) {
            warnings.push_back(
                AtLine(fileName, headerLine,
                       BRINDLE_TEXT("Import", "passage \"%1\" is the story's script or style sheet; it is left out").Arg(header.name)));
            continue;
        }
        if (!names.insert(header.name).second) {
            warnings.push_back(AtLine(fileName, headerLine,
                                      BRINDLE_TEXT("Import", "passage \"%1\" appears again; the later one is left out").Arg(header.name)));
            continue;
        }
        story.passages.push_back({std::move(header.name), std::move(header.tags), std::move(header.metadata), Content(body), headerLine});
    }
    return story;
}

}  // namespace Import
