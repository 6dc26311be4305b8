#pragma once

// Large blocks of memory on huge pages, where the system gives them. Plain C++,
// no Qt.

#include <cstddef>
#include <cstdlib>
#include <new>

namespace veltaro::plot {

/// Blocks of at least this size are asked for in huge pages: 8 MB, a year's
/// drawing or a saved picture.
inline constexpr std::size_t kLargeBlock = std::size_t(8) << 20;

/// `bytes` of memory, given back with std::free. A block of kLargeBlock or more
/// is aligned to and advised onto 2 MB pages (a hint the kernel may ignore), so
/// that writing it for the first time takes one page fault every 2 MB instead
/// of every 4 kB. Null when the memory is not there.
void* allocateLarge(std::size_t bytes) noexcept;

/// A std::allocator that takes large blocks from allocateLarge.
template <class T> struct LargeBlockAllocator {
    using value_type = T;
    LargeBlockAllocator() = default;
    template <class U> LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) {
            throw std::bad_array_new_length();
        }
        if (void* memory = allocateLarge(n * sizeof(T))) {
            return static_cast<T*>(memory);
        }
        throw std::bad_alloc();
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }

    template <class U> bool operator==(const LargeBlockAllocator<U>&) const noexcept {
        return true;
    }
};

} // namespace veltaro::plot
