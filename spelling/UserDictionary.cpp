// SPDX-License-Identifier: MIT
#include "spelling/UserDictionary.h"

#include "document/XdgFolders.h"
#include "spelling/SpellingError.h"

#include <boost/locale/encoding_utf.hpp>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace Spelling {

using namespace TarnViewModel;

namespace fs = std::filesystem;

namespace {

Messages::Message Reason()
{
    return errno != 0 ? Messages::Verbatim(std::strerror(errno)) : BRINDLE_TEXT("UserDictionary", "unknown error");
}

}  // namespace

fs::path UserDictionary::DefaultFile()
{
    return XdgUserFolder("XDG_DATA_HOME", fs::path(".local") / "share") / "brindle-studio" / "dictionary.txt";
}

std::vector<std::wstring> UserDictionary::Words() const
{
    std::error_code missing;
    if (!fs::exists(file_, missing)) {
        return {};
    }
    errno = 0;
    std::ifstream stream(file_, std::ios::binary);
    if (!stream) {
        throw SpellingError(BRINDLE_TEXT("UserDictionary", "Your dictionary %1 cannot be read: %2.").Arg(file_.string()).Arg(Reason()));
    }
    std::vector<std::wstring> words;
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        // Bytes that are not UTF-8 are dropped rather than refusing the whole list.
        std::wstring word = boost::locale::conv::utf_to_utf<wchar_t>(line);
        if (!word.empty()) {
            words.push_back(std::move(word));
        }
    }
    if (stream.bad()) {
        throw SpellingError(BRINDLE_TEXT("UserDictionary", "Your dictionary %1 cannot be read: %2.").Arg(file_.string()).Arg(Reason()));
    }
    return words;
}

void UserDictionary::Add(std::wstring_view word) const
{
    std::error_code error;
    fs::create_directories(file_.parent_path(), error);
    if (error) {
        throw SpellingError(
            BRINDLE_TEXT("UserDictionary", "Your dictionary %1 cannot be written: %2.").Arg(file_.string()).Arg(error.message()));
    }
    errno = 0;
    std::ofstream stream(file_, std::ios::binary | std::ios::app);
    stream << boost::locale::conv::utf_to_utf<char>(word.data(), word.data() + word.size()) << '\n';
    stream.flush();
    if (!stream) {
        throw SpellingError(BRINDLE_TEXT("UserDictionary", "Your dictionary %1 cannot be written: %2.").Arg(file_.string()).Arg(Reason()));
    }
}

}  // namespace Spelling
