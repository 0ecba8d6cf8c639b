// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace Spelling {

// The words the author added to the dictionary, one to a line in a UTF-8 file of their own,
// kept for every book and language.
class UserDictionary {
public:
    explicit UserDictionary(std::filesystem::path file) : file_(std::move(file)) {}

    // "$XDG_DATA_HOME/brindle-studio/dictionary.txt", or under "~/.local/share".
    static std::filesystem::path DefaultFile();

    const std::filesystem::path& File() const { return file_; }
    // The words added so far; none before the first. Throws SpellingError naming the file
    // when it is there but cannot be read.
    std::vector<std::wstring> Words() const;
    // Adds the word at the end of the file, making its folder when needed. Throws
    // SpellingError naming the file when it cannot be written; the words before stay.
    void Add(std::wstring_view word) const;

private:
    std::filesystem::path file_;
};

}  // namespace Spelling
