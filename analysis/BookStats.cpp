// SPDX-License-Identifier: MIT
#include "analysis/BookStats.h"

#include "analysis/BookReach.h"
#include "document/BookSnapshot.h"

#include <cwctype>
#include <utility>

namespace Analysis {

using namespace TarnViewModel;

namespace {

// A word is a run of characters between spaces holding at least one letter or digit, so a
// dash or a picture standing alone is no word.
std::uint64_t CountWords(const std::wstring& text)
{
    std::uint64_t words = 0;
    bool counted = false;
    for (const wchar_t character : text) {
        if (std::iswspace(static_cast<std::wint_t>(character)) != 0) {
            counted = false;
        } else if (!counted && std::iswalnum(static_cast<std::wint_t>(character)) != 0) {
            ++words;
            counted = true;
        }
    }
    return words;
}

struct LongestWay {
    std::optional<std::uint32_t> choices;
    bool loopsIgnored = false;
};

// The most choices from section 1 to an ending without coming back to a section already on
// the way. A depth-first walk finishes every section after all it leads to, except those it
// loops back to; leaving out the looping choices makes the walk's order a topological one,
// so the answer is exact for a book without loops.
LongestWay LongestToAnEnding(const StoryLinks& links)
{
    LongestWay result;
    if (links.Highest() < 1 || !links.isSection[1]) {
        return result;
    }
    enum class Mark : std::uint8_t { New, OnTheWay, Done };
    std::vector<Mark> marks(links.next.size(), Mark::New);
    std::vector<std::int64_t> longest(links.next.size(), -1);
    // Each entry is a section and the index of the next of its choices to follow.
    std::vector<std::pair<std::uint32_t, std::size_t>> way{{1, 0}};
    marks[1] = Mark::OnTheWay;
    while (!way.empty()) {
        auto& [number, index] = way.back();
        const std::vector<std::uint32_t>& next = links.next[number];
        if (index < next.size()) {
            const std::uint32_t destination = next[index++];
            if (destination >= marks.size() || !links.isSection[destination]) {
                continue;
            }
            if (marks[destination] == Mark::OnTheWay) {
                result.loopsIgnored = true;
            } else if (marks[destination] == Mark::New) {
                marks[destination] = Mark::OnTheWay;
                way.emplace_back(destination, 0);
            }
            continue;
        }
        std::int64_t best = next.empty() ? 0 : -1;
        for (const std::uint32_t destination : next) {
            if (destination < marks.size() && marks[destination] == Mark::Done && longest[destination] >= 0) {
                best = std::max(best, longest[destination] + 1);
            }
        }
        longest[number] = best;
        marks[number] = Mark::Done;
        way.pop_back();
    }
    if (longest[1] >= 0) {
        result.choices = static_cast<std::uint32_t>(longest[1]);
    }
    return result;
}

}  // namespace

BookStats CountBook(const BookSnapshot& book)
{
    BookStats stats;
    book.VisitSections([&](const Section& section) {
        ++stats.sections;
        stats.words += CountWords(section.text);
        book.VisitSectionChoices(section.number, false, [&stats](const Choice& choice) {
            ++stats.choices;
            stats.hiddenChoices += choice.hidden ? 1 : 0;
            stats.words += CountWords(choice.text);
        });
    });
    const StoryLinks links(book);
    const std::vector<std::int64_t> distance = DistancesFromStart(links);
    for (std::uint32_t number = 1; number <= links.Highest(); ++number) {
        if (!links.isSection[number] || !links.next[number].empty()) {
            continue;
        }
        ++stats.endings;
        if (distance[number] >= 0) {
            const auto steps = static_cast<std::uint32_t>(distance[number]);
            stats.shortestPath = std::min(stats.shortestPath.value_or(steps), steps);
        }
    }
    const LongestWay longest = LongestToAnEnding(links);
    stats.longestPath = longest.choices;
    stats.loopsIgnored = longest.loopsIgnored;
    return stats;
}

std::uint64_t ReadingMinutes(const BookStats& stats)
{
    constexpr std::uint64_t WordsPerMinute = 200;
    return (stats.words + WordsPerMinute - 1) / WordsPerMinute;
}

}  // namespace Analysis
