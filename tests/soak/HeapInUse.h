#pragma once

#include <cstddef>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/allocator_interface.h>
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
