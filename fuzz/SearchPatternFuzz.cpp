// SPDX-License-Identifier: MIT
// Feeds arbitrary patterns and texts to the book search: the first byte picks the options,
// the bytes up to the first NUL are the pattern and the rest the text, both read as UTF-8.
// Every input must end in matches and replacements inside the text, or in the search's own
// error; anything else (a crash, a sanitizer report, another exception) is a fault.
#include "search/SearchPattern.h"

#include <boost/locale/encoding_utf.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const Search::SearchOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = bytes.find('\0');
    const std::wstring pattern = boost::locale::conv::utf_to_utf<wchar_t>(bytes.substr(0, split));
    const std::wstring text =
        split == std::string::npos ? std::wstring() : boost::locale::conv::utf_to_utf<wchar_t>(bytes.substr(split + 1));
    try {
        const Search::SearchPattern search(pattern, options);
        for (const Search::TextMatch& match : search.FindIn(text)) {
            if (match.length == 0 || match.start + match.length > text.size()) {
                std::abort();
            }
        }
        search.ReplaceAll(text, L"<$1$&>");
    } catch (const Search::SearchPatternError&) {
    }
    return 0;
}
