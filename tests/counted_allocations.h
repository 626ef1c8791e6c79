// Counts a test program's C++ allocations, so that a test can show some work asks nothing of
// the heap. Included by exactly one file of each test program, since it replaces the
// program's operator new; C allocations (SDL's, Mesa's) are not counted.
//
// A program that draws defines CRV_ALLOCATIONS_MEET_GL first: AddressSanitizer's own operator
// new meets this one inside the GL driver's libraries and reports a mismatch, so there the
// count is taken only in the builds without it, and CRV_COUNT_ALLOCATIONS says whether it is.
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocationCount{0};
}

#if !(defined(CRV_ALLOCATIONS_MEET_GL) && defined(__SANITIZE_ADDRESS__))
#define CRV_COUNT_ALLOCATIONS 1

void* operator new(std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
#endif
