// SPDX-License-Identifier: MIT
#pragma once

#include "document/ChoiceTemplate.h"

#include <string>
#include <vector>

namespace TarnViewModel {

inline constexpr const wchar_t* DashFormat = L"{{text}} - {{destination}}";
inline constexpr const wchar_t* TurnToFormat = L"{{text}}, turn to {{destination}}";

// The formats offered to the author of a book in the language, in the order they are listed;
// "turn to" is in the book's language.
std::vector<ChoiceTemplate> PredefinedChoiceTemplates(const std::wstring& languageTag);

// The name of the first predefined template with exactly this format, in the language or
// in English, else "custom".
std::wstring ChoiceTemplateName(const std::wstring& format, const std::wstring& languageTag);

}  // namespace TarnViewModel
