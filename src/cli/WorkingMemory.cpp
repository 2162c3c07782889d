#include "cli/WorkingMemory.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace tessaline {

void reserveWorkingMemory(std::size_t bytes) {
#if defined(__GLIBC__)
    // Every allocation from the one heap, which is never given back: a
    // buffer freed after the picture is decoded serves the chart canvas.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_TOP_PAD, 16 << 20);
    void* block = std::malloc(bytes);
    if (block == nullptr) {
        return;
    }
    // Huge pages for the reserved range, before any of it is touched; the
    // memory only becomes resident as it is used.
    constexpr std::uintptr_t kHugePage = 2u << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t alignedStart = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t alignedEnd = (start + bytes) & ~(kHugePage - 1);
    if (alignedEnd > alignedStart) {
        madvise(reinterpret_cast<void*>(alignedStart), alignedEnd - alignedStart, MADV_HUGEPAGE);
    }
    std::free(block);
#else
    (void)bytes;
#endif
}

} // namespace tessaline
