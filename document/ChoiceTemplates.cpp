// SPDX-License-Identifier: MIT
#include "document/ChoiceTemplates.h"

namespace TarnViewModel {

const std::vector<ChoiceTemplate>& PredefinedChoiceTemplates()
{
    static const std::vector<ChoiceTemplate> templates{
        {L"dash", DashFormat},
        {L"turn to", TurnToFormat},
        {L"parenthesis", L"{{text}} ({{destination}})"},
        {L"squares", L"{{text}} [{{destination}}]"},
        {L"custom", L"{{text}} {{destination}}"},
    };
    return templates;
}

std::wstring ChoiceTemplateName(const std::wstring& format)
{
    for (const ChoiceTemplate& predefined : PredefinedChoiceTemplates()) {
        if (predefined.format == format) {
            return predefined.name;
        }
    }
    return L"custom";
}

}  // namespace TarnViewModel
