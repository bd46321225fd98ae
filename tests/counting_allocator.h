// A replacement of the global allocator that counts allocations on every thread while
// g_counting is set, for the programs that check that playing allocates nothing. Include it in
// exactly one source file of a test program: it defines the program's operator new and delete.
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<bool> g_counting{false};
inline std::atomic<long> g_allocations{0};

void* operator new(size_t n) {
    if (g_counting.load(std::memory_order_relaxed)) g_allocations.fetch_add(1);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t n) {
    return operator new(n);
}
void* operator new(size_t n, const std::nothrow_t&) noexcept {
    if (g_counting.load(std::memory_order_relaxed)) g_allocations.fetch_add(1);
    return std::malloc(n ? n : 1);
}
void* operator new[](size_t n, const std::nothrow_t& t) noexcept {
    return operator new(n, t);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, size_t) noexcept {
    std::free(p);
}
