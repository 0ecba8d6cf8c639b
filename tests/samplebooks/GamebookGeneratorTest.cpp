// SPDX-License-Identifier: MIT
#include "samplebooks/GamebookGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <queue>
#include <set>

namespace {

using namespace SampleBooks;

std::size_t Words(const std::wstring& text)
{
    std::size_t words = 0;
    bool inWord = false;
    for (const wchar_t character : text) {
        const bool letter = character != L' ' && character != L'\r' && character != L'\n';
        words += letter && !inWord ? 1 : 0;
        inWord = letter;
    }
    return words;
}

// The figures measured on published gamebooks, which the benchmarks rely on.
TEST(GamebookGenerator, MatchesTheFiguresOfPublishedGamebooks)
{
    const GeneratedBook book = GenerateGamebook(3000);
    ASSERT_EQ(book.sections.size(), 3000u);
    for (std::uint32_t index = 0; index < 3000; ++index) {
        ASSERT_EQ(book.sections[index].number, index + 1);
    }
    const double perSection = static_cast<double>(book.choices.size()) / 3000;
    EXPECT_NEAR(perSection, 1.57, 0.07);

    std::map<std::uint32_t, std::vector<std::uint32_t>> next;
    std::size_t empty = 0;
    for (const auto& choice : book.choices) {
        next[choice.source].push_back(choice.destination);
        empty += choice.text.empty() ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(empty) / static_cast<double>(book.choices.size()), 0.21, 0.03);
    const auto endings =
        std::count_if(book.sections.begin(), book.sections.end(), [&](const auto& section) { return !next.contains(section.number); });
    EXPECT_NEAR(static_cast<double>(endings) / 3000, 0.044, 0.015);

    // Every section is reached from section 1; most choices lead one step deeper.
    std::map<std::uint32_t, std::uint32_t> depth{{1, 0}};
    std::queue<std::uint32_t> waiting;
    waiting.push(1);
    while (!waiting.empty()) {
        const std::uint32_t number = waiting.front();
        waiting.pop();
        for (const std::uint32_t destination : next[number]) {
            if (depth.emplace(destination, depth[number] + 1).second) {
                waiting.push(destination);
            }
        }
    }
    EXPECT_EQ(depth.size(), 3000u);
    std::size_t deeper = 0;
    std::size_t back = 0;
    for (const auto& choice : book.choices) {
        deeper += depth[choice.destination] == depth[choice.source] + 1 ? 1 : 0;
        back += depth[choice.destination] < depth[choice.source] ? 1 : 0;
    }
    const double all = static_cast<double>(book.choices.size());
    EXPECT_NEAR(deeper / all, 0.74, 0.06);
    EXPECT_NEAR(back / all, 0.12, 0.05);

    std::vector<std::size_t> lengths;
    for (const auto& section : book.sections) {
        lengths.push_back(Words(section.text));
    }
    std::sort(lengths.begin(), lengths.end());
    EXPECT_NEAR(static_cast<double>(lengths[lengths.size() / 2]), 94, 10);
    EXPECT_LE(lengths.back(), 1400u);
}

TEST(GamebookGenerator, TheSameSizeAndSeedGiveTheSameBook)
{
    const GeneratedBook first = GenerateGamebook(500, 7);
    const GeneratedBook second = GenerateGamebook(500, 7);
    ASSERT_EQ(first.choices.size(), second.choices.size());
    for (std::size_t index = 0; index < first.choices.size(); ++index) {
        EXPECT_EQ(first.choices[index].destination, second.choices[index].destination);
        EXPECT_EQ(first.choices[index].text, second.choices[index].text);
    }
    EXPECT_EQ(first.sections[99].text, second.sections[99].text);
}

}  // namespace
