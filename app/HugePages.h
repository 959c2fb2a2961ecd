#pragma once

// preferHugePages(data, size): a hint for large fresh buffers that are about
// to be written once from start to end (an encoded upload, a received body).
// Writing tens of megabytes into 4 KiB pages costs more in page faults than
// the work itself; transparent huge pages save most of them. Only advises,
// never fails, and does nothing for small buffers or on other systems.

#include <cstddef>
#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace stoupe {

inline void preferHugePages(void* data, std::size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    if (size < 4 * kHugePage)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + size) & ~(kHugePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

} // namespace stoupe
