// SPDX-License-Identifier: MIT
#pragma once

#include "spelling/SpellingWords.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Hunspell;

namespace Spelling {

// A Hunspell dictionary: its affix file and its word file.
struct DictionaryFiles {
    std::filesystem::path affixes;
    std::filesystem::path words;
};

// Checks words against a Hunspell dictionary and the words the author accepted. Answers
// are kept, so a word is looked up once however often it is written. Not for use from two
// threads at once.
class SpellChecker {
public:
    // Throws SpellingError naming the file when either cannot be read.
    explicit SpellChecker(const DictionaryFiles& files);
    SpellChecker(const SpellChecker&) = delete;
    SpellChecker& operator=(const SpellChecker&) = delete;
    ~SpellChecker();

    bool IsCorrect(std::wstring_view word) const;
    // The dictionary's likeliest corrections, best first.
    std::vector<std::wstring> Suggestions(std::wstring_view word) const;
    // Takes the word as correct from now on.
    void Accept(std::wstring_view word);
    // The words of the text that are not spelled correctly.
    std::vector<WordSpan> Misspelled(std::wstring_view text) const;

private:
    // The word in the dictionary's encoding; empty when that encoding cannot hold it.
    std::string Encode(std::wstring_view word) const;
    std::wstring Decode(const std::string& word) const;

    std::unique_ptr<Hunspell> hunspell_;
    std::string encoding_;
    bool utf8_ = false;
    mutable std::unordered_map<std::wstring, bool> answers_;
};

}  // namespace Spelling
