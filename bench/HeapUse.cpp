// SPDX-License-Identifier: MIT
#include "HeapUse.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> current{0};
std::atomic<std::size_t> peak{0};

void* Allocate(std::size_t size)
{
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    const std::size_t now = current += malloc_usable_size(memory);
    std::size_t highest = peak.load();
    while (now > highest && !peak.compare_exchange_weak(highest, now)) {
    }
    return memory;
}

void Release(void* memory)
{
    if (memory != nullptr) {
        current -= malloc_usable_size(memory);
        std::free(memory);
    }
}

}  // namespace

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void operator delete(void* memory) noexcept
{
    Release(memory);
}
void operator delete[](void* memory) noexcept
{
    Release(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    Release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    Release(memory);
}

namespace BenchSupport {

std::size_t HeapUse::Current()
{
    return current.load();
}
std::size_t HeapUse::Peak()
{
    return peak.load();
}
void HeapUse::ResetPeak()
{
    peak = current.load();
}

}  // namespace BenchSupport
