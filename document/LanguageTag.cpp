// SPDX-License-Identifier: MIT
#include "document/LanguageTag.h"

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <string>

namespace TarnViewModel {

bool IsLanguageTag(const std::wstring& text)
{
    // RFC 5646's langtag and private-use forms, without the grandfathered tags.
    static const std::wregex tag(LR"tag((([a-z]{2,3}(-[a-z]{3}){0,3}|[a-z]{4,8})(-[a-z]{4})?(-([a-z]{2}|[0-9]{3}))?)tag"
                                 LR"tag((-([a-z0-9]{5,8}|[0-9][a-z0-9]{3}))*(-[0-9a-wyz](-[a-z0-9]{2,8})+)*(-x(-[a-z0-9]{1,8})+)?))tag"
                                 LR"tag(|x(-[a-z0-9]{1,8})+)tag",
                                 std::regex::icase | std::regex::optimize);
    return text.size() <= 256 && std::regex_match(text, tag);
}

std::wstring LocaleLanguageTag()
{
    std::string name;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            name = value;
            break;
        }
    }
    name = name.substr(0, name.find_first_of(".@"));
    std::replace(name.begin(), name.end(), '_', '-');
    const std::wstring tag(name.begin(), name.end());
    if (name == "C" || name == "POSIX" || !IsLanguageTag(tag)) {
        return L"en";
    }
    return tag;
}

}  // namespace TarnViewModel
