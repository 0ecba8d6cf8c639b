// SPDX-License-Identifier: MIT
#pragma once

#include <boost/uuid/uuid.hpp>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace TarnViewModel {

// Boost's uuid compares with memcmp, which is the byte-by-byte unsigned order
// (first byte most significant) that every id-ordered container relies on.
using Uuid = boost::uuids::uuid;

// Hashes an id by folding its two halves; ids are random, so this spreads them as well as
// a full byte-by-byte hash at a fraction of its cost.
struct UuidHash {
    std::size_t operator()(const Uuid& id) const noexcept
    {
        std::uint64_t high = 0;
        std::uint64_t low = 0;
        std::memcpy(&high, id.data, sizeof high);
        std::memcpy(&low, id.data + sizeof high, sizeof low);
        return static_cast<std::size_t>(high ^ (low * 0x9E3779B97F4A7C15ull));
    }
};

// A fresh random (version 4) id from the operating system's random source.
Uuid NewId();

}  // namespace TarnViewModel
