// SPDX-License-Identifier: MIT
#include "export/CogExporter.h"

#include "document/BookSnapshot.h"
#include "export/ExportText.h"
#include "export/FormatChoice.h"

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <boost/algorithm/string/trim.hpp>

#include <algorithm>
#include <string_view>

namespace TarnViewModel {

namespace {

// ChoiceScript reads leading spaces as indentation, which a line of text must not have.
std::string Unindented(const std::string& line)
{
    return boost::algorithm::trim_left_copy_if(line, boost::algorithm::is_any_of(" \t"));
}

// A character that ChoiceScript must not read as syntax, written as an expression of it.
std::string Expression(char character)
{
    return std::string("${\"") + character + "\"}";
}

bool StartsAt(const std::string& line, std::size_t at, std::string_view text)
{
    return line.compare(at, text.size(), text) == 0;
}

// The text as the reader is to see it: every character that would start a substitution,
// a multiple replacement or markup comes out of an expression instead, `${"$"}`.
std::string Literal(const std::string& line)
{
    static constexpr std::string_view Markup[] = {"b]", "i]", "/b]", "/i]", "n/]"};
    std::string literal;
    literal.reserve(line.size());
    for (std::size_t index = 0; index < line.size(); ++index) {
        const char character = line[index];
        const bool opens = (character == '$' && (StartsAt(line, index + 1, "{") || StartsAt(line, index + 1, "!"))) ||
                           (character == '@' && StartsAt(line, index + 1, "{")) ||
                           (character == '[' && std::any_of(std::begin(Markup), std::end(Markup),
                                                            [&](std::string_view tag) { return StartsAt(line, index + 1, tag); }));
        if (opens) {
            literal += Expression(character);
        } else {
            literal += character;
        }
    }
    return literal;
}

// A line of text that ChoiceScript cannot take for a command or an option.
std::string TextLine(const std::string& line)
{
    const std::string unindented = Unindented(line);
    if (!unindented.empty() && (unindented[0] == '*' || unindented[0] == '#')) {
        return Expression(unindented[0]) + Literal(unindented.substr(1));
    }
    return Literal(unindented);
}

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

void CogExporter::Export(const BookSnapshot& book, std::ostream& output)
{
    output << "*title " << Utf8(book.GetTitle()) << '\n';
    if (!book.GetDetails().author.empty()) {
        output << "*author " << Utf8(book.GetDetails().author) << '\n';
    }
    book.VisitSections([&](const Section& section) {
        output << "\n*label " << section.number << '\n';
        for (const std::string& line : Lines(section.text)) {
            const std::string text = TextLine(line);
            if (!text.empty()) {
                output << text << "\n\n";
            }
        }
        if (!book.HasChoices(section.number, true)) {
            output << "*ending\n";
            return;
        }
        output << "*choice\n";
        book.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
            // ChoiceScript refuses an option without a text.
            std::string option = Unindented(OneLine(choice.text));
            if (option.empty()) {
                option = Unindented(OneLine(FormatChoice(L"", choice.destination, book.GetChoiceFormat()).text));
            }
            if (option.empty()) {
                option = std::to_string(choice.destination);
            }
            output << "    #" << Literal(option) << "\n        *goto " << choice.destination << '\n';
        });
    });
    output << '\n';
    for (const std::string& line : Lines(book.GetFooter())) {
        output << "*comment " << line << '\n';
    }
}

}  // namespace TarnViewModel
