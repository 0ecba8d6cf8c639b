// SPDX-License-Identifier: MIT
#pragma once

#include "messages/Message.h"

#include <QString>

class QTranslator;

namespace Translation {

// A message from below the window, in the language the program speaks.
QString Translated(const Messages::Message& message);
// The same through one translator, where there is no application object to hold it.
QString Translated(const Messages::Message& message, const QTranslator& translator);

}  // namespace Translation
