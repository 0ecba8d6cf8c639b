// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace BenchSupport {

// Bytes held through operator new by the whole program, counted by the replacement
// allocation functions linked into the benchmark.
struct HeapUse {
    static std::size_t Current();
    static std::size_t Peak();
    static void ResetPeak();
};

}  // namespace BenchSupport
