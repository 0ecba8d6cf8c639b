// SPDX-License-Identifier: MIT
#pragma once

#include "messages/Message.h"

#include <string>
#include <vector>

namespace TestSupport {

// The messages as they read in English, for matchers.
inline std::vector<std::string> EnglishTexts(const std::vector<Messages::Message>& messages)
{
    std::vector<std::string> texts;
    for (const Messages::Message& message : messages) {
        texts.push_back(message.English());
    }
    return texts;
}

}  // namespace TestSupport
