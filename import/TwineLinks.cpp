// SPDX-License-Identifier: MIT
#include "import/TwineLinks.h"

#include "import/TextScanning.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

namespace Import {

namespace {

// No passage name is longer; a longer quoted string is code, not a name.
constexpr std::size_t LongestString = 1000;

bool IsNameCharacter(char character)
{
    return std::isalnum(static_cast<unsigned char>(character)) != 0 || character == '-' || character == '_';
}

bool Take(std::string_view line, std::size_t& position, std::string_view expected)
{
    if (line.substr(position, expected.size()) != expected) {
        return false;
    }
    position += expected.size();
    return true;
}

// A macro's name in lower case without dashes or underscores, as Harlowe compares them.
std::string MacroName(std::string_view line, std::size_t& position)
{
    std::string name;
    for (; position < line.size() && IsNameCharacter(line[position]); ++position) {
        if (line[position] != '-' && line[position] != '_') {
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(line[position])));
        }
    }
    return name;
}

// A string in double or single quotes, its escapes undone.
std::optional<std::string> QuotedString(std::string_view line, std::size_t& position)
{
    if (position >= line.size() || (line[position] != '"' && line[position] != '\'')) {
        return std::nullopt;
    }
    const char quote = line[position];
    std::string value;
    for (std::size_t at = position + 1; at < line.size() && at - position <= LongestString; ++at) {
        if (line[at] == '\\' && at + 1 < line.size()) {
            value += line[++at];
        } else if (line[at] == quote) {
            position = at + 1;
            return value;
        } else {
            value += line[at];
        }
    }
    return std::nullopt;
}

// Link markup, "[[...]]", at the position.
std::optional<TwineLink> LinkMarkup(std::string_view line, std::size_t& position)
{
    if (line.substr(position, 2) != "[[") {
        return std::nullopt;
    }
    const std::size_t close = line.find("]]", position + 2);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    TwineLink link = ParseLink(std::string(line.substr(position + 2, close - position - 2)));
    position = close + 2;
    return link;
}

// A web address: a scheme and "://", or a mail address.
bool IsWebAddress(const std::string& target)
{
    const std::size_t start = target.find_first_not_of(" \t");
    if (start == std::string::npos || std::isalpha(static_cast<unsigned char>(target[start])) == 0) {
        return false;
    }
    std::size_t end = start;
    while (end < target.size() &&
           (std::isalnum(static_cast<unsigned char>(target[end])) != 0 || target[end] == '+' || target[end] == '.' || target[end] == '-')) {
        ++end;
    }
    std::string scheme = target.substr(start, end - start);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return target.compare(end, 3, "://") == 0 || (scheme == "mailto" && target.compare(end, 1, ":") == 0);
}

// What one piece of markup at a line's position turned out to be.
struct Markup {
    enum class Kind { None, Link, Words, Unread } kind = Kind::None;
    TwineLink link;
    // The words the reader sees in the markup's place.
    std::string words;
    std::size_t end = 0;
};

Markup LinkAt(std::string_view line, std::size_t open)
{
    std::size_t position = open;
    std::optional<TwineLink> link = LinkMarkup(line, position);
    if (!link) {
        return {};
    }
    const Markup::Kind kind = IsWebAddress(link->target) ? Markup::Kind::Words : Markup::Kind::Link;
    std::string words = link->text;
    return {kind, std::move(*link), std::move(words), position};
}

// The plain target of <<goto>>: a string or link markup.
std::optional<std::string> GotoTarget(std::string_view line, std::size_t& position)
{
    SkipSpaces(line, position);
    if (auto link = LinkMarkup(line, position)) {
        return link->target;
    }
    return QuotedString(line, position);
}

// <<link>>, <<button>> and <<goto>>. Other macros are the story's code, not links.
Markup SugarCubeAt(std::string_view line, std::size_t open)
{
    std::size_t position = open + 2;
    const std::string name = MacroName(line, position);
    if (name != "link" && name != "button" && name != "goto") {
        return {};
    }
    const Markup unread{Markup::Kind::Unread, {}, {}, position};
    if (name == "goto") {
        std::optional<std::string> target = GotoTarget(line, position);
        SkipSpaces(line, position);
        if (!target || !Take(line, position, ">>")) {
            return unread;
        }
        return {Markup::Kind::Link, {*target, *target, false}, {}, position};
    }
    const std::string closing = "<</" + name + ">>";
    SkipSpaces(line, position);
    TwineLink link;
    if (auto markup = LinkMarkup(line, position)) {
        SkipSpaces(line, position);
        if (!Take(line, position, ">>")) {
            return unread;
        }
        link = std::move(*markup);
    } else if (auto text = QuotedString(line, position)) {
        SkipSpaces(line, position);
        std::optional<std::string> target = QuotedString(line, position);
        SkipSpaces(line, position);
        if (!Take(line, position, ">>")) {
            return unread;
        }
        // <<link "text">><<goto "target">><</link>>: the link's body goes to the passage.
        if (!target) {
            SkipSpaces(line, position);
            if (!Take(line, position, "<<goto")) {
                return unread;
            }
            target = GotoTarget(line, position);
            SkipSpaces(line, position);
            if (!target || !Take(line, position, ">>")) {
                return unread;
            }
        }
        link = {*text, *target, true};
    } else {
        return unread;
    }
    std::size_t afterBody = position;
    SkipSpaces(line, afterBody);
    if (Take(line, afterBody, closing)) {
        position = afterBody;
    }
    std::string words = link.text;
    return {Markup::Kind::Link, std::move(link), std::move(words), position};
}

// (link-goto:), (go-to:) and (click-goto:), in any case, with or without dashes.
Markup HarloweAt(std::string_view line, std::size_t open)
{
    std::size_t position = open + 1;
    const std::string name = MacroName(line, position);
    if ((name != "linkgoto" && name != "goto" && name != "clickgoto") || !Take(line, position, ":")) {
        return {};
    }
    std::vector<std::string> arguments;
    for (;;) {
        SkipSpaces(line, position);
        std::optional<std::string> argument = QuotedString(line, position);
        if (!argument) {
            break;
        }
        arguments.push_back(std::move(*argument));
        SkipSpaces(line, position);
        if (!Take(line, position, ",")) {
            break;
        }
    }
    const bool plain = Take(line, position, ")") && (name == "linkgoto" ? arguments.size() == 1 || arguments.size() == 2
                                                                        : arguments.size() == (name == "goto" ? 1u : 2u));
    if (!plain) {
        return {Markup::Kind::Unread, {}, {}, open + 1};
    }
    if (arguments.size() == 1) {
        return {Markup::Kind::Link, {arguments[0], arguments[0], false}, name == "linkgoto" ? arguments[0] : std::string(), position};
    }
    // Click-goto's words are already in the passage, which it makes a link of.
    return {Markup::Kind::Link, {arguments[0], arguments[1], true}, name == "linkgoto" ? arguments[0] : std::string(), position};
}

Markup MarkupAt(std::string_view line, std::size_t at)
{
    switch (line[at]) {
    case '[':
        return line.substr(at, 2) == "[[" ? LinkAt(line, at) : Markup{};
    case '<':
        return line.substr(at, 2) == "<<" ? SugarCubeAt(line, at) : Markup{};
    default:
        return HarloweAt(line, at);
    }
}

}  // namespace

TwineLink ParseLink(const std::string& inside)
{
    const std::string link = inside.substr(0, inside.find("]["));
    if (const std::size_t arrow = link.rfind("->"); arrow != std::string::npos) {
        return {link.substr(0, arrow), link.substr(arrow + 2), true};
    }
    if (const std::size_t arrow = link.find("<-"); arrow != std::string::npos) {
        return {link.substr(arrow + 2), link.substr(0, arrow), true};
    }
    if (const std::size_t bar = link.rfind('|'); bar != std::string::npos) {
        return {link.substr(0, bar), link.substr(bar + 1), true};
    }
    return {link, link, false};
}

LinkedText ExtractLinks(const std::string& text, std::size_t mostLinks)
{
    LinkedText linked;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line(text.data() + start, end - start);
        std::string kept;
        bool onlyLinks = true;
        bool anyLink = false;
        // Once "]]" is missing from the rest of the line, no later "[[" can close.
        bool linksClose = true;
        std::size_t copied = 0;
        for (std::size_t at = line.find_first_of("[<(", 0); at != std::string_view::npos; at = line.find_first_of("[<(", at)) {
            const Markup markup = line[at] == '[' && !linksClose ? Markup{} : MarkupAt(line, at);
            if (line[at] == '[' && markup.kind == Markup::Kind::None && line.substr(at, 2) == "[[") {
                linksClose = false;
            }
            if (markup.kind == Markup::Kind::None || markup.kind == Markup::Kind::Unread) {
                linked.unreadMacros += markup.kind == Markup::Kind::Unread ? 1 : 0;
                at = markup.kind == Markup::Kind::Unread ? markup.end : at + 1;
                continue;
            }
            const std::string_view between = line.substr(copied, at - copied);
            kept.append(between).append(markup.words);
            onlyLinks = onlyLinks && between.find_first_not_of(" \t") == std::string_view::npos && markup.kind == Markup::Kind::Link;
            if (markup.kind == Markup::Kind::Link) {
                if (linked.links.size() == mostLinks) {
                    linked.more = true;
                    return linked;
                }
                linked.links.push_back(markup.link);
                anyLink = true;
            }
            copied = at = markup.end;
        }
        const std::string_view rest = line.substr(copied);
        kept.append(rest);
        onlyLinks = onlyLinks && rest.find_first_not_of(" \t") == std::string_view::npos;
        if (!(anyLink && onlyLinks)) {
            linked.text.append(kept).append(1, '\n');
        }
        if (end == text.size()) {
            break;
        }
        start = end + 1;
    }
    const std::size_t last = linked.text.find_last_not_of(" \t\n");
    linked.text.erase(last == std::string::npos ? 0 : last + 1);
    return linked;
}

}  // namespace Import
