// SPDX-License-Identifier: MIT
#pragma once

#include "messages/Message.h"

#include <QString>

namespace Translation {

// A message from below the window, in the language the program speaks.
QString Translated(const Messages::Message& message);

}  // namespace Translation
