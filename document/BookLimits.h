// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace TarnViewModel {

// What a book may hold, decided once. Every path that makes a book larger (editing, Replace
// All, import) checks these before its first change, and the reader opens every book within
// them, so that no book this program writes is one it refuses. Section numbers run from 1
// to TarnDataModel::HighestNumber.
inline constexpr std::uint64_t LargestBookFile = 64'000'000;
inline constexpr std::size_t MostChoicesInSection = 1000;

// A book, or a change to one, beyond what a book may hold; the message says which limit.
class BookLimitException : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

// A size in megabytes to one decimal, rounded up, as "65.2 MB".
std::string Megabytes(std::uint64_t bytes);

// Refuses a change that takes the book's file from `before` to `after` bytes past the
// largest book; a change that does not grow the book always passes, so any book can shrink.
void CheckBookGrowth(std::uint64_t before, std::uint64_t after);

// Refuses a change found to grow the book past the limit before it is measured in full.
[[noreturn]] void RefuseGrowthPastLimit();

// Refuses a choice more in a section that has `count` already.
void CheckRoomForChoice(std::uint32_t section, std::size_t count);

}  // namespace TarnViewModel
