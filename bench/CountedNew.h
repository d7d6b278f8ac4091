#pragma once
// Counts every allocation of the program it is included in (once, in one file of each benchmark
// program): operator new and, where handed to it, a library's own allocator.
#include <atomic>
#include <cstdlib>
#include <new>

namespace tolvane::bench {

// Qt may allocate in threads of its own.
inline std::atomic<std::size_t> allocations = 0;

inline void* counted(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}

}  // namespace tolvane::bench

// GCC takes free() on what these return for a mismatch once both are inlined: they are a pair.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (void* p = tolvane::bench::counted(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    if (void* p = tolvane::bench::counted(size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop
