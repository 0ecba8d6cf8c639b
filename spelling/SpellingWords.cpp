// SPDX-License-Identifier: MIT
#include "spelling/SpellingWords.h"

#include <boost/locale/boundary.hpp>
#include <boost/locale/generator.hpp>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <locale>
#include <string>

namespace Spelling {

namespace {

namespace boundary = boost::locale::boundary;

// Word breaks follow the same Unicode rules in every language this program writes in, so
// one locale serves; making it is costly, so it is made once.
const std::locale& WordBreakLocale()
{
    static const std::locale locale = boost::locale::generator()("en_US.UTF-8");
    return locale;
}

bool IsCodePoint(wchar_t c)
{
    const auto value = static_cast<std::uint32_t>(c);
    return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

bool HasDigit(std::wstring_view word)
{
    return std::any_of(word.begin(), word.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

}  // namespace

std::vector<WordSpan> FindWords(std::wstring_view text)
{
    // The word-break rules refuse what is not a character; each such value stands in as a
    // replacement character, so that positions stay as they are.
    std::wstring replaced;
    if (!std::all_of(text.begin(), text.end(), IsCodePoint)) {
        replaced.assign(text);
        std::replace_if(
            replaced.begin(), replaced.end(), [](wchar_t c) { return !IsCodePoint(c); }, L'\uFFFD');
        text = replaced;
    }
    std::vector<WordSpan> words;
    const boundary::segment_index<std::wstring_view::const_iterator> segments(boundary::word, text.begin(), text.end(), WordBreakLocale());
    for (const auto& segment : segments) {
        if ((segment.rule() & (boundary::word_letters | boundary::word_kana | boundary::word_ideo)) == 0) {
            continue;
        }
        const auto start = static_cast<std::size_t>(std::distance(text.begin(), segment.begin()));
        const auto length = static_cast<std::size_t>(std::distance(segment.begin(), segment.end()));
        if (!HasDigit(text.substr(start, length))) {
            words.push_back({start, length});
        }
    }
    return words;
}

}  // namespace Spelling
