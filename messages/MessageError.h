// SPDX-License-Identifier: MIT
#pragma once

#include "messages/Message.h"

#include <stdexcept>

namespace Messages {

// A failure the author is told about: what() is the English text, and the window and the
// command line show the message in the author's language.
class MessageError : public std::runtime_error {
public:
    explicit MessageError(Message message) : std::runtime_error(message.English()), message_(std::move(message)) {}

    const Message& Said() const { return message_; }

private:
    Message message_;
};

}  // namespace Messages
