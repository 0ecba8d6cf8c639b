// SPDX-License-Identifier: MIT
#include "spelling/SpellChecker.h"

#include "spelling/SpellingError.h"

#include <boost/locale/encoding_utf.hpp>
#include <hunspell.hxx>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iconv.h>

namespace Spelling {

namespace {

// Past this many answers kept, the oldest are not worth the memory; all are dropped.
constexpr std::size_t MostAnswersKept = 200000;
// Suggestions for longer words take Hunspell long and are seldom of use.
constexpr std::size_t LongestWordToSuggestFor = 40;
constexpr std::size_t MostSuggestions = 8;
constexpr wchar_t TypographicApostrophe = L'\u2019';

void CheckReadable(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream || stream.peek() == std::ifstream::traits_type::eof()) {
        throw SpellingError(BRINDLE_TEXT("SpellChecker", "The spelling dictionary %1 cannot be read, or is empty.").Arg(file.string()));
    }
}

bool IsUtf8(std::string encoding)
{
    std::transform(encoding.begin(), encoding.end(), encoding.begin(), [](unsigned char c) { return std::toupper(c); });
    return encoding == "UTF-8" || encoding == "UTF8";
}

// Converts between UTF-8 and the dictionary's own character set; a text that the other set
// cannot hold converts to nothing.
std::string Convert(const std::string& text, const std::string& from, const std::string& to)
{
    const iconv_t converter = iconv_open(to.c_str(), from.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return {};
    }
    std::string input = text;
    std::string output(text.size() * 4 + 4, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        return {};
    }
    output.resize(output.size() - outLeft);
    return output;
}

std::wstring WithPlainApostrophes(std::wstring_view word)
{
    std::wstring plain(word);
    std::replace(plain.begin(), plain.end(), TypographicApostrophe, L'\'');
    return plain;
}

}  // namespace

SpellChecker::SpellChecker(const DictionaryFiles& files)
{
    CheckReadable(files.affixes);
    CheckReadable(files.words);
    hunspell_ = std::make_unique<Hunspell>(files.affixes.c_str(), files.words.c_str());
    encoding_ = hunspell_->get_dict_encoding();
    utf8_ = IsUtf8(encoding_);
    if (!utf8_ && Convert("a", "UTF-8", encoding_).empty()) {
        throw SpellingError(
            BRINDLE_TEXT("SpellChecker", "The spelling dictionary %1 is in a character set (%2) this system cannot convert.")
                .Arg(files.affixes.string())
                .Arg(encoding_));
    }
}

SpellChecker::~SpellChecker() = default;

std::string SpellChecker::Encode(std::wstring_view word) const
{
    const std::string utf8 = boost::locale::conv::utf_to_utf<char>(word.data(), word.data() + word.size());
    return utf8_ ? utf8 : Convert(utf8, "UTF-8", encoding_);
}

std::wstring SpellChecker::Decode(const std::string& word) const
{
    return boost::locale::conv::utf_to_utf<wchar_t>(utf8_ ? word : Convert(word, encoding_, "UTF-8"));
}

bool SpellChecker::IsCorrect(std::wstring_view word) const
{
    const auto known = answers_.find(std::wstring(word));
    if (known != answers_.end()) {
        return known->second;
    }
    const auto spelled = [this](std::wstring_view spelling) {
        const std::string encoded = Encode(spelling);
        return !encoded.empty() && hunspell_->spell(encoded);
    };
    // Not every dictionary maps the typographic apostrophe to the plain one.
    const bool correct =
        spelled(word) || (word.find(TypographicApostrophe) != std::wstring_view::npos && spelled(WithPlainApostrophes(word)));
    if (answers_.size() >= MostAnswersKept) {
        answers_.clear();
    }
    answers_.emplace(word, correct);
    return correct;
}

std::vector<std::wstring> SpellChecker::Suggestions(std::wstring_view word) const
{
    if (word.size() > LongestWordToSuggestFor) {
        return {};
    }
    const bool typographic = word.find(TypographicApostrophe) != std::wstring_view::npos;
    const std::string encoded = Encode(typographic ? WithPlainApostrophes(word) : std::wstring(word));
    if (encoded.empty()) {
        return {};
    }
    std::vector<std::wstring> suggestions;
    for (const std::string& suggestion : hunspell_->suggest(encoded)) {
        std::wstring decoded = Decode(suggestion);
        // The author's apostrophes are kept in what replaces their word.
        if (typographic) {
            std::replace(decoded.begin(), decoded.end(), L'\'', TypographicApostrophe);
        }
        if (!decoded.empty() && suggestions.size() < MostSuggestions) {
            suggestions.push_back(std::move(decoded));
        }
    }
    return suggestions;
}

void SpellChecker::Accept(std::wstring_view word)
{
    const std::string encoded = Encode(word);
    if (!encoded.empty()) {
        hunspell_->add(encoded);
    }
    answers_[std::wstring(word)] = true;
}

std::vector<WordSpan> SpellChecker::Misspelled(std::wstring_view text) const
{
    std::vector<WordSpan> words = FindWords(text);
    std::erase_if(words, [&](const WordSpan& span) { return IsCorrect(text.substr(span.start, span.length)); });
    return words;
}

}  // namespace Spelling
