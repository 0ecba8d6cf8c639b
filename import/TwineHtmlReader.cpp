// SPDX-License-Identifier: MIT
#include "import/TwineHtmlReader.h"

#include <boost/locale/utf.hpp>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <utility>

namespace Import {

namespace {

using Attributes = std::map<std::string, std::string>;

bool IsSpace(char character)
{
    return character == ' ' || character == '\n' || character == '\r' || character == '\t' || character == '\f';
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char character) { return static_cast<char>(std::tolower(character)); });
    return text;
}

bool TagAt(const std::string& html, std::size_t at, const std::string& tag)
{
    if (at + tag.size() + 1 >= html.size()) {
        return false;
    }
    const char after = html[at + 1 + tag.size()];
    return Lower(html.substr(at + 1, tag.size())) == tag && (IsSpace(after) || after == '>' || after == '/');
}

// Where the text holds the tag's name after "<", in any case, followed by a space, "/" or
// ">". Scripts and style sheets are passed over whole unless their end is what is sought,
// as their code may hold anything.
std::size_t FindTag(const std::string& html, const std::string& tag, std::size_t from)
{
    const bool inCode = tag == "/script" || tag == "/style";
    for (std::size_t found = html.find('<', from); found != std::string::npos; found = html.find('<', found + 1)) {
        if (TagAt(html, found, tag)) {
            return found;
        }
        for (const std::string code : {"script", "style"}) {
            if (!inCode && TagAt(html, found, code)) {
                const std::size_t close = FindTag(html, "/" + code, found + 1);
                found = close == std::string::npos ? html.size() - 1 : close;
                break;
            }
        }
    }
    return std::string::npos;
}

void AppendUtf8(std::string& text, std::uint32_t code)
{
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
        code = 0xFFFD;
    }
    char bytes[4];
    char* const end = boost::locale::utf::utf_traits<char>::encode(code, bytes);
    text.append(bytes, end);
}

// The text with its character references decoded; one that is not understood stays as
// written.
std::string Decoded(const std::string& text)
{
    static const std::map<std::string, std::uint32_t> Named{{"amp", '&'},  {"lt", '<'},    {"gt", '>'},
                                                            {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        // No reference is longer than ten characters, so no search goes further.
        const std::size_t end = text[index] == '&' ? text.substr(index, 11).find(';') : std::string::npos;
        if (end == std::string::npos) {
            decoded += text[index];
            continue;
        }
        const std::string name = text.substr(index + 1, end - 1);
        std::uint32_t code = 0;
        bool known = false;
        if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string digits = name.substr(hex ? 2 : 1);
            known = !digits.empty() && digits.size() <= 7 && std::all_of(digits.begin(), digits.end(), [hex](unsigned char digit) {
                return hex ? std::isxdigit(digit) : std::isdigit(digit);
            });
            if (known) {
                code = static_cast<std::uint32_t>(std::stoul(digits, nullptr, hex ? 16 : 10));
            }
        } else if (const auto found = Named.find(name); found != Named.end()) {
            code = found->second;
            known = true;
        }
        if (!known) {
            decoded += text[index];
            continue;
        }
        AppendUtf8(decoded, code);
        index += end;
    }
    return decoded;
}

std::size_t FindOrEnd(const std::string& html, const char* characters, std::size_t from)
{
    return std::min(html.find_first_of(characters, from), html.size());
}

// The attributes of the start tag at `position`, which is left after its ">".
Attributes ReadStartTag(const std::string& html, std::size_t& position)
{
    Attributes attributes;
    position = FindOrEnd(html, " \t\r\n\f/>", position + 1);
    while (position < html.size() && html[position] != '>') {
        if (IsSpace(html[position]) || html[position] == '/') {
            ++position;
            continue;
        }
        const std::size_t nameEnd = FindOrEnd(html, " \t\r\n\f/>=", position);
        const std::string name = Lower(html.substr(position, nameEnd - position));
        position = nameEnd;
        while (position < html.size() && IsSpace(html[position])) {
            ++position;
        }
        std::string value;
        if (position < html.size() && html[position] == '=') {
            ++position;
            while (position < html.size() && IsSpace(html[position])) {
                ++position;
            }
            if (position < html.size() && (html[position] == '"' || html[position] == '\'')) {
                const std::size_t close = html.find(html[position], position + 1);
                value = html.substr(position + 1, close == std::string::npos ? std::string::npos : close - position - 1);
                position = close == std::string::npos ? html.size() : close + 1;
            } else {
                const std::size_t end = FindOrEnd(html, " \t\r\n\f>", position);
                value = html.substr(position, end - position);
                position = end;
            }
        }
        attributes.emplace(name, Decoded(value));
    }
    position = std::min(position + 1, html.size());
    return attributes;
}

std::string Attribute(const Attributes& attributes, const std::string& name)
{
    const auto found = attributes.find(name);
    return found == attributes.end() ? std::string() : found->second;
}

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(" \t\r\n", start)) != std::string::npos) {
        const std::size_t end = text.find_first_of(" \t\r\n", start);
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

std::string WithoutCarriageReturns(std::string text)
{
    std::size_t kept = 0;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (!(text[index] == '\r' && index + 1 < text.size() && text[index + 1] == '\n')) {
            text[kept++] = text[index];
        }
    }
    text.resize(kept);
    return text;
}

// Lines are counted once, forward, however many positions are asked about.
class LineCounter {
public:
    explicit LineCounter(const std::string& text) : text_(text) {}

    std::size_t LineAt(std::size_t position)
    {
        line_ += static_cast<std::size_t>(
            std::count(text_.begin() + static_cast<std::ptrdiff_t>(counted_), text_.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
        counted_ = position;
        return line_;
    }

private:
    const std::string& text_;
    std::size_t counted_ = 0;
    std::size_t line_ = 1;
};

// Finds a tag at or after a position, searching again only once the positions asked about
// have passed the last one found: however many stories or passages are left unclosed, the
// file is searched for each tag once.
class TagSearch {
public:
    TagSearch(const std::string& html, std::string tag) : html_(html), tag_(std::move(tag)) {}

    std::size_t From(std::size_t position)
    {
        if (!searched_ || (found_ != std::string::npos && found_ < position)) {
            found_ = FindTag(html_, tag_, position);
            searched_ = true;
        }
        return found_;
    }

private:
    const std::string& html_;
    std::string tag_;
    std::size_t found_ = std::string::npos;
    bool searched_ = false;
};

}  // namespace

std::vector<TwineStory> ReadTwineHtml(const std::string& html, const std::string& fileName, ImportWarnings& warnings)
{
    std::vector<TwineStory> stories;
    LineCounter lines(html);
    TagSearch storyStarts(html, "tw-storydata");
    TagSearch storyEnds(html, "/tw-storydata");
    TagSearch passageStarts(html, "tw-passagedata");
    TagSearch passageEnds(html, "/tw-passagedata");
    for (std::size_t story = storyStarts.From(0); story != std::string::npos;) {
        const std::size_t storyLine = lines.LineAt(story);
        std::size_t position = story;
        const Attributes storyData = ReadStartTag(html, position);
        const std::size_t next = storyStarts.From(position);
        const std::size_t end = std::min(storyEnds.From(position), next);
        TwineStory read;
        read.name = Attribute(storyData, "name");
        read.ifid = Attribute(storyData, "ifid");
        read.format = Attribute(storyData, "format");
        read.formatVersion = Attribute(storyData, "format-version");
        const std::string startPid = Attribute(storyData, "startnode");
        std::set<std::string> names;
        for (std::size_t passage = passageStarts.From(position); passage < end; passage = passageStarts.From(position)) {
            const std::size_t passageLine = lines.LineAt(passage);
            position = passage;
            const Attributes data = ReadStartTag(html, position);
            const std::size_t close = std::min(passageEnds.From(position), end);
            const std::string text = html.substr(position, std::min(close, html.size()) - position);
            position = std::min(close, html.size());
            const std::string name = Attribute(data, "name");
            if (!names.insert(name).second) {
                warnings.push_back(AtLine(fileName, passageLine,
                                          BRINDLE_TEXT("Import", "passage \"%1\" appears again; the later one is left out").Arg(name)));
                continue;
            }
            if (!startPid.empty() && Attribute(data, "pid") == startPid) {
                read.start = name;
            }
            read.passages.push_back({name, Words(Attribute(data, "tags")), "", WithoutCarriageReturns(Decoded(text)), passageLine});
        }
        if (read.passages.empty()) {
            warnings.push_back(AtLine(fileName, storyLine, BRINDLE_TEXT("Import", "story \"%1\" has no passages").Arg(read.name)));
        }
        stories.push_back(std::move(read));
        story = next;
    }
    return stories;
}

}  // namespace Import
