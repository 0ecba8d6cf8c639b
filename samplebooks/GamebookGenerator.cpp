// SPDX-License-Identifier: MIT
#include "samplebooks/GamebookGenerator.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <numeric>
#include <optional>
#include <random>
#include <string>

namespace SampleBooks {

namespace {

using TarnViewModel::Choice;
using TarnViewModel::Section;

const wchar_t* const Words[] = {
    L"the",     L"you",   L"and",      L"of",     L"a",      L"to",     L"your",    L"in",     L"is",     L"it",
    L"door",    L"sword", L"corridor", L"torch",  L"goblin", L"stairs", L"dark",    L"cold",   L"old",    L"gold",
    L"walk",    L"hear",  L"see",      L"open",   L"climb",  L"fight",  L"run",     L"wait",   L"north",  L"east",
    L"south",   L"west",  L"wall",     L"river",  L"bridge", L"forest", L"tower",   L"wizard", L"key",    L"chest",
    L"stamina", L"skill", L"luck",     L"shadow", L"stone",  L"silent", L"ancient", L"narrow", L"you're", L"steps",
};

class Volume {
public:
    // How far back a choice that returns may go, in steps from the start, and how many
    // sections either side, in the order reached, count as the same part of the story.
    static constexpr std::uint32_t BackSteps = 3;
    static constexpr std::uint32_t Neighbourhood = 40;
    static constexpr int JoiningPercent = 14;

    Volume(std::mt19937& random, std::uint32_t size) : random_(random), depth_(size, 0) {}

    // Section i is the i-th reached breadth first from the volume's start; choices are
    // (source, destination) indices.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> Build()
    {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> links;
        const std::uint32_t size = static_cast<std::uint32_t>(depth_.size());
        std::uint32_t reached = 1;
        for (std::uint32_t section = 0; section < size; ++section) {
            unsigned count = ChoiceCount();
            // A book reaches all its sections, so the last one reached always leads further.
            const bool mustLeadOn = reached == section + 1 && reached < size;
            if (mustLeadOn) {
                count = std::max(count, 1u);
            }
            for (unsigned n = 0; n < count; ++n) {
                links.emplace_back(section, Destination(section, reached, mustLeadOn && n == 0));
            }
        }
        return links;
    }

private:
    unsigned ChoiceCount()
    {
        const int roll = std::uniform_int_distribution<int>(0, 999)(random_);
        if (roll < 44) {
            return 0;
        }
        if (roll < 524) {
            return 1;
        }
        if (roll < 889) {
            return 2;
        }
        if (roll < 977) {
            return 3;
        }
        return roll < 993 ? 4 : 5;
    }

    std::uint32_t Destination(std::uint32_t section, std::uint32_t& reached, bool deeper)
    {
        const std::uint32_t size = static_cast<std::uint32_t>(depth_.size());
        const auto at = [&](std::uint32_t depth) { return [this, depth](std::uint32_t d) { return d == depth; }; };
        const int roll = std::uniform_int_distribution<int>(0, 99)(random_);
        // Drawn more often than the 74 % they end as: once a volume has no new sections
        // left, some same-depth picks find only the section itself.
        if (roll < 80 || deeper) {
            // About one section a section is new, as in a book that reaches each section
            // once; the other choices deeper join a path already there.
            const bool joins = !deeper && std::uniform_int_distribution<int>(0, 99)(random_) < JoiningPercent;
            if (joins || reached == size) {
                if (const auto existing = Pick(section, reached, at(depth_[section] + 1))) {
                    return *existing;
                }
            }
            if (reached < size) {
                depth_[reached] = depth_[section] + 1;
                return reached++;
            }
            return std::min(section + 1, reached - 1);
        }
        const auto found = roll < 88 ? Pick(section, reached, at(depth_[section])) : Pick(section, reached, [&](std::uint32_t depth) {
            return depth < depth_[section] && depth + BackSteps >= depth_[section];
        });
        return found.value_or(section);
    }

    // A reached section at a depth the test accepts. Printed books link sections of the same
    // part of the story, so it is looked for first among the sections reached about the same
    // time, then anywhere.
    template <typename DepthTest>
    std::optional<std::uint32_t> Pick(std::uint32_t section, std::uint32_t reached, DepthTest accepts)
    {
        const std::uint32_t low = section > Neighbourhood ? section - Neighbourhood : 0;
        const std::uint32_t high = std::min(section + Neighbourhood, reached - 1);
        std::uniform_int_distribution<std::uint32_t> near(low, std::max(low, high));
        for (int attempt = 0; attempt < 32; ++attempt) {
            const std::uint32_t candidate = near(random_);
            if (candidate < reached && accepts(depth_[candidate])) {
                return candidate;
            }
        }
        std::uniform_int_distribution<std::uint32_t> any(0, reached - 1);
        const std::uint32_t start = any(random_);
        for (std::uint32_t step = 0; step < reached; ++step) {
            const std::uint32_t candidate = (start + step) % reached;
            if (accepts(depth_[candidate])) {
                return candidate;
            }
        }
        return std::nullopt;
    }

    std::mt19937& random_;
    std::vector<std::uint32_t> depth_;
};

class TextMaker {
public:
    explicit TextMaker(std::mt19937& random) : random_(random) {}

    // Median 94 words and mean 121: a log-normal length, cut at 1,400.
    std::wstring SectionText()
    {
        const double words = std::lognormal_distribution<double>(std::log(94.0), 0.71)(random_);
        return Sentences(std::clamp(static_cast<unsigned>(words), 3u, 1400u), true);
    }

    // Median 7 words; a fifth of the choices say nothing but where they lead.
    std::wstring ChoiceText()
    {
        if (std::uniform_int_distribution<int>(0, 99)(random_) < 21) {
            return {};
        }
        const double words = std::lognormal_distribution<double>(std::log(7.0), 0.45)(random_);
        return Sentences(std::clamp(static_cast<unsigned>(words), 1u, 40u), false);
    }

private:
    std::wstring Sentences(unsigned wordCount, bool paragraphs)
    {
        std::uniform_int_distribution<std::size_t> word(0, std::size(Words) - 1);
        std::uniform_int_distribution<int> sentenceLength(6, 18);
        std::wstring text;
        int untilStop = sentenceLength(random_);
        int sentences = 0;
        for (unsigned n = 0; n < wordCount; ++n) {
            const bool first =
                text.empty() || text.back() == L'\n' || (text.size() >= 2 && text.back() == L' ' && text[text.size() - 2] == L'.');
            std::wstring next = Words[word(random_)];
            if (first) {
                next[0] = static_cast<wchar_t>(std::towupper(next[0]));
            }
            text += next;
            // A choice is a clause that its format finishes ("Open the door, turn to 12").
            if (n + 1 == wordCount && !paragraphs) {
                break;
            }
            if (--untilStop == 0 || n + 1 == wordCount) {
                text += L'.';
                untilStop = sentenceLength(random_);
                ++sentences;
                if (paragraphs && sentences % 4 == 0 && n + 1 < wordCount) {
                    text += L"\r\n";
                    continue;
                }
            }
            if (n + 1 < wordCount) {
                text += L' ';
            }
        }
        return text;
    }

    std::mt19937& random_;
};

}  // namespace

GeneratedBook GenerateGamebook(std::uint32_t sectionCount, unsigned seed)
{
    GeneratedBook book;
    std::mt19937 random(seed);
    TextMaker texts(random);
    std::vector<std::int32_t> choiceCounts(sectionCount + 1, 0);
    const auto addChoice = [&](std::uint32_t source, std::uint32_t destination) {
        Choice choice;
        choice.source = source;
        choice.destination = destination;
        choice.text = texts.ChoiceText();
        choice.order = ++choiceCounts[source];
        book.choices.push_back(std::move(choice));
    };
    std::vector<std::uint32_t> numbers;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> chain;
    for (std::uint32_t first = 1; first <= sectionCount; first += SectionsPerVolume) {
        const std::uint32_t size = std::min(SectionsPerVolume, sectionCount - first + 1);
        // The start keeps the volume's first number; the others are shuffled as in print.
        numbers.resize(size);
        std::iota(numbers.begin(), numbers.end(), first);
        std::shuffle(numbers.begin() + 1, numbers.end(), random);
        for (const std::uint32_t number : numbers) {
            Section section;
            section.number = number;
            section.text = texts.SectionText();
            book.sections.push_back(std::move(section));
        }
        for (const auto& [source, destination] : Volume(random, size).Build()) {
            addChoice(numbers[source], numbers[destination]);
        }
        if (first + size <= sectionCount) {
            chain.emplace_back(numbers[size - 1], first + size);
        }
    }
    for (const auto& [source, destination] : chain) {
        addChoice(source, destination);
    }
    std::sort(book.sections.begin(), book.sections.end(), [](const Section& a, const Section& b) { return a.number < b.number; });
    return book;
}

}  // namespace SampleBooks
