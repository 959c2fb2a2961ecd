#pragma once

// preferHugePages(data, size): a hint for large output buffers that are about
// to be written once from start to end.

#include <QtGlobal>
#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace stoupe {

// Asks the kernel to back a large fresh buffer with huge pages: writing 50 MB
// into 4 KiB pages costs more in page faults than the encoding itself.
inline void preferHugePages(char* data, qsizetype size) {
#ifdef __linux__
    constexpr uintptr_t kHugePage = 2 * 1024 * 1024;
    if (size < qsizetype(4 * kHugePage))
        return;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + uintptr_t(size)) & ~(kHugePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

} // namespace stoupe
