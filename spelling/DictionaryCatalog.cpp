// SPDX-License-Identifier: MIT
#include "spelling/DictionaryCatalog.h"

#include "document/XdgFolders.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace Spelling {

using namespace TarnViewModel;

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// The language and region of a tag, ASCII only ("sr-Latn-RS" gives "sr" and "RS").
std::pair<std::string, std::string> LanguageAndRegion(std::wstring_view tag)
{
    std::vector<std::string> parts(1);
    for (const wchar_t c : tag) {
        if (c == L'-' || c == L'_') {
            parts.emplace_back();
        } else if (c < 0x80 && std::isalnum(static_cast<unsigned char>(c)) != 0) {
            parts.back() += static_cast<char>(c);
        } else {
            return {};
        }
    }
    std::string region;
    for (std::size_t index = 1; index < parts.size(); ++index) {
        const std::string& part = parts[index];
        if ((part.size() == 2 && std::isalpha(static_cast<unsigned char>(part[0])) != 0) ||
            (part.size() == 3 && std::isdigit(static_cast<unsigned char>(part[0])) != 0)) {
            region = Upper(part);
            break;
        }
    }
    return {Lower(parts.front()), region};
}

std::optional<DictionaryFiles> InFolder(const fs::path& folder, const std::string& name)
{
    DictionaryFiles files{folder / (name + ".aff"), folder / (name + ".dic")};
    std::error_code error;
    if (fs::is_regular_file(files.affixes, error) && fs::is_regular_file(files.words, error)) {
        return files;
    }
    return std::nullopt;
}

// The names of the dictionaries of one language in the folder ("en_GB", "en-US", "en").
std::vector<std::string> NamesOfLanguage(const fs::path& folder, const std::string& language)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const fs::path& path = entry->path();
        if (path.extension() != ".dic") {
            continue;
        }
        const std::string name = path.stem().string();
        const std::string lower = Lower(name);
        if (lower == language || lower.rfind(language + "_", 0) == 0 || lower.rfind(language + "-", 0) == 0) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::vector<fs::path> DictionaryFolders()
{
    std::vector<fs::path> folders{XdgUserFolder("XDG_DATA_HOME", fs::path(".local") / "share") / "hunspell"};
    for (const fs::path& data : XdgDataFolders()) {
        folders.push_back(data / "hunspell");
        folders.push_back(data / "myspell" / "dicts");
        folders.push_back(data / "myspell");
    }
    return folders;
}

std::optional<DictionaryFiles> FindDictionary(std::wstring_view languageTag, const std::vector<fs::path>& folders)
{
    const auto [language, region] = LanguageAndRegion(languageTag);
    if (language.empty()) {
        return std::nullopt;
    }
    std::vector<std::string> wanted;
    if (!region.empty()) {
        wanted = {language + "_" + region, language + "-" + region};
    }
    wanted.push_back(language);
    wanted.push_back(language + "_" + Upper(language));
    for (const std::string& name : wanted) {
        for (const fs::path& folder : folders) {
            if (auto files = InFolder(folder, name)) {
                return files;
            }
        }
    }
    for (const fs::path& folder : folders) {
        for (const std::string& name : NamesOfLanguage(folder, language)) {
            if (auto files = InFolder(folder, name)) {
                return files;
            }
        }
    }
    return std::nullopt;
}

}  // namespace Spelling
