#pragma once

#include <boost/uuid/uuid.hpp>

namespace TarnViewModel {

// Boost's uuid compares with memcmp, which is the byte-by-byte unsigned order
// (first byte most significant) that every id-ordered container relies on.
using Uuid = boost::uuids::uuid;

// A fresh random (version 4) id from the operating system's random source.
Uuid NewId();

}  // namespace TarnViewModel
