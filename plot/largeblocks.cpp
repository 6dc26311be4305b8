#include "plot/largeblocks.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace veltaro::plot {

void* allocateLarge(std::size_t bytes) noexcept {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    if (bytes >= kLargeBlock) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        if (void* memory = std::aligned_alloc(kHugePage, rounded)) {
            madvise(memory, rounded, MADV_HUGEPAGE); // a hint: without it, small pages
            return memory;
        }
    }
#endif
    return std::malloc(bytes == 0 ? 1 : bytes);
}

} // namespace veltaro::plot
