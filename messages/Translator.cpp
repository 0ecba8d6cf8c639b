// SPDX-License-Identifier: MIT
#include "messages/Translator.h"

#include <boost/locale/encoding_utf.hpp>

#include <atomic>

namespace Messages {

namespace {

std::atomic<Translator> installed{nullptr};

}  // namespace

void InstallTranslator(Translator translator)
{
    installed.store(translator);
}

std::string Translated(const Message& message)
{
    const Translator translator = installed.load();
    return translator != nullptr ? translator(message) : message.English();
}

std::wstring TranslatedWide(const Message& message)
{
    return boost::locale::conv::utf_to_utf<wchar_t>(Translated(message));
}

}  // namespace Messages
