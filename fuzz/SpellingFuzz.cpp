// SPDX-License-Identifier: MIT
// Feeds arbitrary texts to spell checking: the words found, those marked against a small
// dictionary and the corrections offered for them, and the author's word list read back.
// The first byte picks how the rest is read: as UTF-8 (even), or as raw wide characters
// (odd), which may hold values that are not characters at all. Every word must lie inside
// the text, in order; anything else (a crash, a sanitizer report, an exception) is a fault.
#include "spelling/SpellChecker.h"
#include "spelling/UserDictionary.h"

#include <boost/locale/encoding_utf.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("brindle-spelling-fuzz-" + std::to_string(getpid()));
    return folder;
}

Spelling::SpellChecker& Checker()
{
    static const std::unique_ptr<Spelling::SpellChecker> checker = [] {
        std::filesystem::create_directories(Folder());
        std::ofstream(Folder() / "en_GB.aff") << "SET UTF-8\nTRY esianrtolcdugmphbyfvkwz'\nSFX S Y 1\nSFX S 0 s .\n";
        std::ofstream(Folder() / "en_GB.dic") << "5\nthe/S\ndragon/S\nsleeps\nknight's\ncaf\xc3\xa9\n";
        return std::make_unique<Spelling::SpellChecker>(Spelling::DictionaryFiles{Folder() / "en_GB.aff", Folder() / "en_GB.dic"});
    }();
    return *checker;
}

std::wstring Text(const std::uint8_t* data, std::size_t size)
{
    if ((data[0] & 1) == 0) {
        return boost::locale::conv::utf_to_utf<wchar_t>(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    }
    std::wstring text((size - 1) / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data + 1, text.size() * sizeof(wchar_t));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::wstring text = Text(data, size);
    std::size_t end = 0;
    for (const Spelling::WordSpan& word : Spelling::FindWords(text)) {
        if (word.length == 0 || word.start < end || word.start + word.length > text.size()) {
            std::abort();
        }
        end = word.start + word.length;
    }
    int suggested = 0;
    for (const Spelling::WordSpan& word : Checker().Misspelled(text)) {
        if (suggested++ < 2) {
            Checker().Suggestions(text.substr(word.start, word.length));
        }
    }
    const std::filesystem::path list = Folder() / "words.txt";
    std::ofstream(list, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    for (const std::wstring& word : Spelling::UserDictionary(list).Words()) {
        if (word.empty() || word.find(L'\n') != std::wstring::npos) {
            std::abort();
        }
    }
    return 0;
}
