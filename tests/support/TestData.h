// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace TestSupport {

// The checked-in test files. Its folder is compiled into one source alone, so that every other
// test source compiles the same wherever the checkout is, and the compiler cache can share it.
std::filesystem::path TestData();

}  // namespace TestSupport
