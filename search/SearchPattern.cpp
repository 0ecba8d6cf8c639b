// SPDX-License-Identifier: MIT
#include "search/SearchPattern.h"

#include <locale>

namespace Search {

namespace {

// Folding case beyond ASCII needs the Unicode character classes of a UTF-8 locale.
std::locale CaseFoldingLocale()
{
    try {
        return std::locale("C.UTF-8");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

std::wstring Escaped(const std::wstring& literal)
{
    static const std::wstring special = L"\\^$.|?*+()[]{}";
    std::wstring escaped;
    escaped.reserve(literal.size() * 2);
    for (const wchar_t c : literal) {
        if (special.find(c) != std::wstring::npos) {
            escaped += L'\\';
        }
        escaped += c;
    }
    return escaped;
}

bool SplitsLineBreak(const std::wstring& text, std::size_t position)
{
    return position > 0 && position < text.size() && text[position - 1] == L'\r' && text[position] == L'\n';
}

}  // namespace

SearchPattern::SearchPattern(const std::wstring& pattern, SearchOptions options)
    : regularExpression_(options.regularExpression), empty_(pattern.empty())
{
    if (empty_) {
        return;
    }
    std::wstring expression = options.regularExpression ? pattern : Escaped(pattern);
    if (options.wholeWord) {
        expression = L"\\b(?:" + expression + L")\\b";
    }
    const boost::wregex::flag_type flags =
        boost::regex_constants::perl | (options.matchCase ? boost::regex_constants::normal : boost::regex_constants::icase);
    regex_.imbue(CaseFoldingLocale());
    try {
        regex_.assign(expression, flags);
    } catch (const boost::regex_error& error) {
        // Boost adds the expression itself, narrowed, after its reason; the pattern box shows it already.
        std::string reason = error.what();
        reason = reason.substr(0, reason.find("  The error occurred"));
        throw SearchPatternError(BRINDLE_TEXT("SearchPattern", "The regular expression cannot be read at character %1: %2")
                                     .Arg(error.position() + 1)
                                     .Arg(reason));
    }
}

// Boost stops a match that would take too long, such as a nested repeat on a long text,
// with an error of its own.
template <class Match>
void SearchPattern::Matching(Match match)
{
    try {
        match();
    } catch (const std::runtime_error& error) {
        throw SearchPatternError(
            BRINDLE_TEXT("SearchPattern", "The regular expression takes too long to search with: %1").Arg(error.what()));
    }
}

std::vector<TextMatch> SearchPattern::FindIn(const std::wstring& text) const
{
    std::vector<TextMatch> matches;
    if (empty_) {
        return matches;
    }
    // An empty match finds nothing to show or replace.
    const auto flags = boost::match_default | boost::match_not_null;
    Matching([&] {
        for (boost::wsregex_iterator match(text.begin(), text.end(), regex_, flags), end; match != end; ++match) {
            const auto start = static_cast<std::size_t>(match->position());
            const auto length = static_cast<std::size_t>(match->length());
            if (!SplitsLineBreak(text, start) && !SplitsLineBreak(text, start + length)) {
                matches.push_back({start, length});
            }
        }
    });
    return matches;
}

std::wstring SearchPattern::ReplacementFor(const std::wstring& text, const TextMatch& match, const std::wstring& replacement) const
{
    if (!regularExpression_) {
        return replacement;
    }
    boost::wsmatch found;
    const auto begin = text.begin() + static_cast<std::ptrdiff_t>(match.start);
    // The match is found again where it stood, with the whole text around it in view, so
    // that anchors and look-arounds read as they did.
    const auto flags = boost::match_continuous | boost::match_not_null | (match.start > 0 ? boost::match_prev_avail : boost::match_default);
    bool foundAgain = false;
    Matching([&] { foundAgain = boost::regex_search(begin, text.end(), found, regex_, flags, text.begin()); });
    if (!foundAgain || found.length() != static_cast<std::ptrdiff_t>(match.length)) {
        return replacement;
    }
    return found.format(replacement, boost::format_perl);
}

std::wstring SearchPattern::ReplaceAll(const std::wstring& text, const std::wstring& replacement) const
{
    return *ReplaceAllWithin(text, replacement, std::wstring::npos);
}

std::optional<std::wstring> SearchPattern::ReplaceAllWithin(const std::wstring& text, const std::wstring& replacement,
                                                            std::size_t longest) const
{
    std::wstring replaced;
    std::size_t written = 0;
    for (const TextMatch& match : FindIn(text)) {
        replaced.append(text, written, match.start - written);
        replaced += ReplacementFor(text, match, replacement);
        written = match.start + match.length;
        if (replaced.size() > longest) {
            return std::nullopt;
        }
    }
    replaced.append(text, written, std::wstring::npos);
    if (replaced.size() > longest) {
        return std::nullopt;
    }
    return replaced;
}

}  // namespace Search
