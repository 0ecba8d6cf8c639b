// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's own count; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace TestSupport {

// The bytes the program has allocated and not freed: unlike the resident size, this does
// not count what the allocator keeps back for reuse or, under the address sanitizer, holds
// in quarantine.
inline std::size_t HeapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

}  // namespace TestSupport
