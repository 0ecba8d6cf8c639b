// SPDX-License-Identifier: MIT
#include "document/BookWording.h"

#include "document/ChoiceTemplates.h"

#include <cwctype>
#include <utility>

namespace TarnViewModel {

namespace {

// Each tradition's own "turn to": the words its printed gamebooks use.
constexpr std::pair<const wchar_t*, BookWording> Wordings[] = {
    {L"de", {L"{{text}}, lies weiter bei {{destination}}.", L"Unbenannt", L"Geschrieben mit The Brindle Story Studio"}},
    {L"fr", {L"{{text}}, rendez-vous au {{destination}}.", L"Sans titre", L"\u00c9crit avec The Brindle Story Studio"}},
    {L"es", {L"{{text}}, pasa al {{destination}}.", L"Sin t\u00edtulo", L"Escrito con The Brindle Story Studio"}},
    {L"it", {L"{{text}}, vai al {{destination}}.", L"Senza titolo", L"Scritto con The Brindle Story Studio"}},
};

constexpr BookWording English{TurnToFormat, L"Untitled", L"Written with The Brindle Story Studio"};

}  // namespace

const BookWording& BookWordingFor(const std::wstring& languageTag)
{
    std::wstring language = languageTag.substr(0, languageTag.find(L'-'));
    for (wchar_t& letter : language) {
        letter = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(letter)));
    }
    for (const auto& [code, wording] : Wordings) {
        if (language == code) {
            return wording;
        }
    }
    return English;
}

}  // namespace TarnViewModel
