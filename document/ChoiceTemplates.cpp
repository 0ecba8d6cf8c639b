// SPDX-License-Identifier: MIT
#include "document/ChoiceTemplates.h"

#include "document/BookWording.h"

namespace TarnViewModel {

std::vector<ChoiceTemplate> PredefinedChoiceTemplates(const std::wstring& languageTag)
{
    return {
        {L"dash", DashFormat},
        {L"turn to", BookWordingFor(languageTag).turnToFormat},
        {L"parenthesis", L"{{text}} ({{destination}})"},
        {L"squares", L"{{text}} [{{destination}}]"},
        {L"custom", L"{{text}} {{destination}}"},
    };
}

std::wstring ChoiceTemplateName(const std::wstring& format, const std::wstring& languageTag)
{
    for (const ChoiceTemplate& predefined : PredefinedChoiceTemplates(languageTag)) {
        if (predefined.format == format) {
            return predefined.name;
        }
    }
    if (format == TurnToFormat) {
        return L"turn to";
    }
    return L"custom";
}

}  // namespace TarnViewModel
