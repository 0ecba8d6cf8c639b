// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace TarnViewModel {

// Whether the text is a well-formed BCP 47 language tag, such as "en", "en-GB" or
// "sr-Latn-RS".
bool IsLanguageTag(const std::wstring& text);

// The tag of the user's language from the locale settings ("en_GB.UTF-8" gives "en-GB");
// "en" when they name none.
std::wstring LocaleLanguageTag();

}  // namespace TarnViewModel
