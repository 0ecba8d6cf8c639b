// SPDX-License-Identifier: MIT
#pragma once

#include "document/ChoiceTemplate.h"

#include <string>
#include <vector>

namespace TarnViewModel {

inline constexpr const wchar_t* DashFormat = L"{{text}} - {{destination}}";
inline constexpr const wchar_t* TurnToFormat = L"{{text}}, turn to {{destination}}";

// The formats offered to the author, in the order they are listed.
const std::vector<ChoiceTemplate>& PredefinedChoiceTemplates();

// The name of the first predefined template with exactly this format, else "custom".
std::wstring ChoiceTemplateName(const std::wstring& format);

}  // namespace TarnViewModel
