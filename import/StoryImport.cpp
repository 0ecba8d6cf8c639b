// SPDX-License-Identifier: MIT
#include "import/StoryImport.h"

#include "document/BookLimits.h"
#include "document/BookSize.h"
#include "document/BookWording.h"
#include "document/ChoiceTemplates.h"
#include "document/LanguageTag.h"
#include "document/TarnDataModel.h"
#include "document/TweeFormat.h"
#include "import/ImportException.h"
#include "import/JsonValues.h"
#include "import/TwineLinks.h"

#include <boost/locale/encoding_utf.hpp>
#include <boost/uuid/string_generator.hpp>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <set>

namespace Import {

using namespace TarnViewModel;

namespace {

struct ImportedChoice {
    std::wstring text;
    std::string target;
    bool hidden = false;
};

struct ImportedPassage {
    const TwinePassage* passage = nullptr;
    std::wstring text;
    std::wstring summary;
    std::vector<ImportedChoice> choices;
};

std::wstring Wide(const std::string& utf8)
{
    return boost::locale::conv::utf_to_utf<wchar_t>(utf8);
}

// LF line ends as the editor's CR LF.
std::wstring EditorText(const std::string& utf8)
{
    std::wstring text;
    for (const wchar_t character : Wide(utf8)) {
        if (character == L'\n') {
            text += L'\r';
        }
        text += character;
    }
    return text;
}

// A name that is a section number as the program writes one: no sign, no leading zero.
std::uint32_t NumberNamed(const std::string& name)
{
    if (name.empty() || name.size() > 5 || name[0] == '0' ||
        !std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); })) {
        return 0;
    }
    const auto number = static_cast<std::uint32_t>(std::stoul(name));
    return number <= TarnDataModel::HighestNumber ? number : 0;
}

Messages::Message Where(const std::string& fileName, const TwinePassage& passage, Messages::Message what)
{
    return AtLine(fileName, passage.line, std::move(what));
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 1;
    }
}

// A passage as this program's Twee export wrote it, read back exactly; nothing when it was
// not, or was changed since so that it no longer reads so.
std::optional<ImportedPassage> ExportedPassage(const TwinePassage& passage, const boost::property_tree::ptree& brindle)
{
    const auto lineCount = brindle.get_optional<std::size_t>("lines");
    if (!lineCount) {
        return std::nullopt;
    }
    std::vector<std::string> lines = passage.text.empty() ? std::vector<std::string>{} : Lines(passage.text);
    // Blank lines at the end of a text without choices were dropped as the file was read;
    // no text has more than a few.
    if (*lineCount > lines.size() + 100) {
        return std::nullopt;
    }
    lines.resize(std::max(lines.size(), *lineCount));
    ImportedPassage imported{&passage, {}, Wide(JsonText(brindle, "summary")), {}};
    std::string text;
    for (std::size_t index = 0; index < *lineCount; ++index) {
        text += (index == 0 ? "" : "\n") + lines[index];
    }
    imported.text = EditorText(text);
    std::size_t index = *lineCount;
    if (index < lines.size()) {
        if (!lines[index].empty()) {
            return std::nullopt;
        }
        ++index;
    }
    for (; index < lines.size(); ++index) {
        if (imported.choices.size() == MostChoicesInSection) {
            return std::nullopt;
        }
        const std::string& line = lines[index];
        if (line.size() < 4 || line.compare(0, 2, "[[") != 0 || line.compare(line.size() - 2, 2, "]]") != 0) {
            return std::nullopt;
        }
        const std::string inside = line.substr(2, line.size() - 4);
        const std::size_t arrow = inside.rfind("->");
        ImportedChoice choice;
        choice.target = arrow == std::string::npos ? inside : inside.substr(arrow + 2);
        choice.text = arrow == std::string::npos ? L"" : Wide(inside.substr(0, arrow));
        if (const auto exact = brindle.get_optional<std::string>(
                boost::property_tree::ptree::path_type("texts/" + std::to_string(imported.choices.size()), '/'))) {
            choice.text = Wide(*exact);
        }
        imported.choices.push_back(std::move(choice));
    }
    if (const auto hidden = brindle.get_child_optional("hidden")) {
        for (const auto& [key, value] : *hidden) {
            const auto at = value.get_value_optional<std::size_t>();
            if (at && *at < imported.choices.size()) {
                imported.choices[*at].hidden = true;
            }
        }
    }
    return imported;
}

bool AllDigits(const std::string& name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); });
}

// Twine shows a passage without the blank lines it starts with.
std::string WithoutLeadingBlankLines(const std::string& text)
{
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        if (text.find_first_not_of(" \t", start) < end) {
            break;
        }
        start = end + 1;
    }
    return text.substr(start);
}

ImportedPassage TwinePassageImported(const TwinePassage& passage, const std::string& fileName, ImportWarnings& warnings)
{
    const LinkedText linked = ExtractLinks(WithoutLeadingBlankLines(passage.text), MostChoicesInSection);
    if (linked.more) {
        throw ImportException(fileName, passage.line,
                              BRINDLE_TEXT("Import", "passage \"%1\" has more than %2 links; a section may have at most %2 choices")
                                  .Arg(passage.name)
                                  .Arg(MostChoicesInSection));
    }
    if (linked.unreadMacros > 0) {
        warnings.push_back(Where(fileName, passage,
                                 BRINDLE_TEXT("Import", "passage \"%1\" goes on through macros that name the passage by code, not by a "
                                                        "plain name; they make no choices")
                                     .Arg(passage.name)));
    }
    // A passage's name is what the author called it; a bare number says nothing more.
    ImportedPassage imported{&passage, EditorText(linked.text), AllDigits(passage.name) ? L"" : Wide(passage.name), {}};
    for (const TwineLink& link : linked.links) {
        // "[[131]]", a bare turn to a numbered passage, has no words of its own.
        const bool bareNumber = !link.textGiven && NumberNamed(link.target) != 0;
        imported.choices.push_back({bareNumber ? L"" : Wide(link.text), link.target, false});
    }
    return imported;
}

// What this program's Twee export keeps of each section beside Twine's data: in the
// passage that holds it all, or, in files written before it, in each passage's metadata.
ImportedPassage ImportPassage(const TwinePassage& passage, const boost::property_tree::ptree* kept, const std::string& fileName,
                              ImportWarnings& warnings)
{
    std::optional<boost::property_tree::ptree> metadata;
    if (kept == nullptr && !passage.metadata.empty()) {
        std::string reason;
        metadata = ParseJson(passage.metadata, reason);
        if (!metadata) {
            warnings.push_back(Where(
                fileName, passage,
                BRINDLE_TEXT("Import", "the metadata of passage \"%1\" is not JSON (%2); it is left out").Arg(passage.name).Arg(reason)));
        } else if (const auto brindle = metadata->get_child_optional("brindle")) {
            kept = &*brindle;
        }
    }
    if (kept != nullptr) {
        if (auto exported = ExportedPassage(passage, *kept)) {
            return std::move(*exported);
        }
        warnings.push_back(
            Where(fileName, passage,
                  BRINDLE_TEXT("Import", "passage \"%1\" was changed since it was exported; its links are read as Twine reads them")
                      .Arg(passage.name)));
    }
    return TwinePassageImported(passage, fileName, warnings);
}

// What the book kept in the passage that holds it: the author and language, and each
// section's data by passage name. Files written before that passage kept the author and
// language in the story data.
struct KeptData {
    std::string author;
    std::string language;
    std::map<std::string, boost::property_tree::ptree> sections;
};

KeptData ReadKeptData(const TwineStory& story, const TwinePassage* holder, const std::string& fileName, ImportWarnings& warnings)
{
    KeptData kept{story.author, story.language, {}};
    if (holder == nullptr) {
        return kept;
    }
    std::string reason;
    const auto data = ParseJson(holder->text, reason);
    if (!data) {
        warnings.push_back(Where(fileName, *holder,
                                 BRINDLE_TEXT("Import", "passage \"%1\" is not JSON (%2); the passages are read as Twine reads them")
                                     .Arg(TweeSectionData)
                                     .Arg(reason)));
        return kept;
    }
    kept.author = JsonText(*data, "author");
    kept.language = JsonText(*data, "language");
    if (const auto sections = data->get_child_optional("sections")) {
        for (const auto& [name, section] : *sections) {
            kept.sections.emplace(name, section);
        }
    }
    return kept;
}

// The numbers the passages take, by name, and the empty sections made for missing targets.
// The start passage is section 1, where a reader starts; a passage named "1" then takes the
// start's own number, or the next free one.
class Numbers {
public:
    Numbers(const std::vector<ImportedPassage>& passages, const TwinePassage* start)
    {
        for (const ImportedPassage& passage : passages) {
            if (const std::uint32_t number = NumberNamed(passage.passage->name)) {
                highest_ = std::max(highest_, number);
                if (start == nullptr || (passage.passage != start && number != 1)) {
                    Assign(passage.passage->name, number);
                }
            }
        }
        next_ = highest_;
        if (start == nullptr) {
            return;
        }
        const std::uint32_t startNumber = NumberNamed(start->name);
        Assign(start->name, 1);
        const auto one = std::find_if(passages.begin(), passages.end(), [start](const ImportedPassage& passage) {
            return passage.passage != start && passage.passage->name == "1";
        });
        if (one != passages.end()) {
            displaced_ = true;
            if (startNumber != 0) {
                Assign("1", startNumber);
            } else {
                Give("1");
            }
        }
    }

    // Whether a passage named "1" gave way to the start passage.
    bool Displaced() const { return displaced_; }
    bool Has(const std::string& name) const { return byName_.count(name) != 0; }
    std::uint32_t Of(const std::string& name) const { return byName_.at(name); }
    std::size_t Count() const { return byName_.size(); }

    // The next number after the named ones, going round to the lowest free one when the
    // highest is taken. There is always one, as no more names are given than numbers.
    std::uint32_t Give(const std::string& name)
    {
        do {
            next_ = next_ >= TarnDataModel::HighestNumber ? 1 : next_ + 1;
        } while (taken_.count(next_) != 0);
        Assign(name, next_);
        return next_;
    }

private:
    void Assign(const std::string& name, std::uint32_t number)
    {
        byName_[name] = number;
        taken_.insert(number);
    }

    std::map<std::string, std::uint32_t> byName_;
    std::set<std::uint32_t> taken_;
    std::uint32_t highest_ = 0;
    std::uint32_t next_ = 0;
    bool displaced_ = false;
};

std::uint64_t SizeInFile(const ImportedPassage& passage)
{
    std::uint64_t size = SectionSizeInFile(passage.summary, passage.text);
    for (const ImportedChoice& choice : passage.choices) {
        size += ChoiceSizeInFile(choice.text);
    }
    return size;
}

// Checked as the passages are read, so that a story far too large stops early, holding
// little more than a book may.
void CheckBookSize(const std::string& fileName, std::size_t line, std::uint64_t size)
{
    if (size > LargestBookFile) {
        throw ImportException(
            fileName, line,
            BRINDLE_TEXT("Import", "the story makes a book of more than %1, the most a book may take").Arg(Megabytes(LargestBookFile)));
    }
}

[[noreturn]] void RefuseSize(const std::string& fileName, std::size_t sections)
{
    throw ImportException(
        fileName, 0,
        BRINDLE_TEXT("Import", "the story needs %1 sections; a book holds at most %2").Arg(sections).Arg(TarnDataModel::HighestNumber));
}

BookDetails DetailsOf(const TwineStory& story, const KeptData& kept, const std::string& fileName, ImportWarnings& warnings)
{
    BookDetails details{Wide(kept.author), Wide(kept.language), NewId(), {}, {}};
    if (story.format != OwnStoryFormat || story.formatVersion != OwnStoryFormatVersion) {
        details.storyFormat = Wide(story.format);
        details.storyFormatVersion = Wide(story.formatVersion);
    }
    static const std::regex Uuid("[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}");
    if (std::regex_match(story.ifid, Uuid)) {
        details.identifier = boost::uuids::string_generator()(story.ifid);
    }
    if (!IsLanguageTag(details.language)) {
        if (!details.language.empty()) {
            warnings.push_back(InFile(
                fileName,
                BRINDLE_TEXT("Import", "\"%1\" is not a language tag; the book takes %2").Arg(kept.language).Arg(LocaleLanguageTag())));
        }
        details.language = LocaleLanguageTag();
    }
    return details;
}

}  // namespace

BookFileContents ImportStory(const TwineStory& story, const std::string& fileName, ImportWarnings& warnings)
{
    if (story.passages.size() > TarnDataModel::HighestNumber) {
        RefuseSize(fileName, story.passages.size());
    }
    const auto found = std::find_if(story.passages.begin(), story.passages.end(),
                                    [](const TwinePassage& passage) { return passage.name == TweeSectionData; });
    const TwinePassage* holder = found == story.passages.end() ? nullptr : &*found;
    const KeptData kept = ReadKeptData(story, holder, fileName, warnings);
    std::vector<ImportedPassage> passages;
    passages.reserve(story.passages.size());
    std::uint64_t size = 0;
    for (const TwinePassage& passage : story.passages) {
        if (&passage != holder) {
            const auto data = kept.sections.find(passage.name);
            passages.push_back(ImportPassage(passage, data == kept.sections.end() ? nullptr : &data->second, fileName, warnings));
            size += SizeInFile(passages.back());
            CheckBookSize(fileName, passage.line, size);
        }
    }

    const auto start = std::find_if(passages.begin(), passages.end(), [&](const ImportedPassage& passage) {
        return passage.passage->name == (story.start.empty() ? "Start" : story.start);
    });
    Numbers numbers(passages, start == passages.end() ? nullptr : start->passage);
    if (numbers.Displaced()) {
        warnings.push_back(
            InFile(fileName, BRINDLE_TEXT("Import", "section 1 is the start passage \"%1\", so passage \"1\" becomes section %2")
                                 .Arg(start->passage->name)
                                 .Arg(numbers.Of("1"))));
    }
    for (const ImportedPassage& passage : passages) {
        if (!numbers.Has(passage.passage->name)) {
            numbers.Give(passage.passage->name);
        }
    }
    std::vector<std::string> missing;
    for (const ImportedPassage& passage : passages) {
        for (const ImportedChoice& choice : passage.choices) {
            if (!numbers.Has(choice.target) && std::find(missing.begin(), missing.end(), choice.target) == missing.end()) {
                missing.push_back(choice.target);
                if (numbers.Count() + missing.size() > TarnDataModel::HighestNumber) {
                    RefuseSize(fileName, numbers.Count() + missing.size());
                }
            }
        }
    }

    BookFileContents contents;
    contents.title = EditorText(story.name);
    contents.details = DetailsOf(story, kept, fileName, warnings);
    contents.choiceFormat = BookWordingFor(contents.details.language).turnToFormat;
    for (const std::string& target : missing) {
        size += SectionSizeInFile(Wide(target), L"");
    }
    CheckBookSize(fileName, 0, size + BookWideSizeInFile(contents.title, contents.details, L"", contents.choiceFormat, {}));
    std::size_t choices = 0;
    for (const ImportedPassage& passage : passages) {
        choices += passage.choices.size();
    }
    contents.graph.Reserve(passages.size() + missing.size(), choices);
    for (const ImportedPassage& passage : passages) {
        Section section;
        section.number = numbers.Of(passage.passage->name);
        section.text = passage.text;
        section.summary = passage.summary;
        contents.graph.AddSection(section);
    }
    for (const std::string& target : missing) {
        Section section;
        section.number = numbers.Give(target);
        section.summary = AllDigits(target) ? L"" : Wide(target);
        contents.graph.AddSection(section);
        warnings.push_back(
            InFile(fileName, BRINDLE_TEXT("Import", "there is no passage \"%1\"; section %2 is made for the links to it, empty")
                                 .Arg(target)
                                 .Arg(section.number)));
    }
    for (const ImportedPassage& passage : passages) {
        for (const ImportedChoice& imported : passage.choices) {
            Choice choice;
            choice.source = numbers.Of(passage.passage->name);
            choice.destination = numbers.Of(imported.target);
            choice.text = imported.text;
            choice.hidden = imported.hidden;
            choice.order = 0;
            contents.graph.AddChoice(choice);
        }
    }
    return contents;
}

}  // namespace Import
