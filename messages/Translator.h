// SPDX-License-Identifier: MIT
#pragma once

#include "messages/Message.h"

#include <string>

namespace Messages {

// Gives a message in the author's language, as UTF-8, arguments filled in.
using Translator = std::string (*)(const Message& message);

// Installed once by the program, before any worker starts; until then, and in the tests,
// messages read in English.
void InstallTranslator(Translator translator);

std::string Translated(const Message& message);
std::wstring TranslatedWide(const Message& message);

}  // namespace Messages
