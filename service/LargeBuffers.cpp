#include "service/LargeBuffers.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace stoupe::service {

void AdviseLargeBuffer(void* data, size_t size) {
#ifdef MADV_HUGEPAGE
    constexpr size_t kWorthIt = size_t{4} << 20;
    if (size < kWorthIt)
        return;
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<uintptr_t>(data) + page - 1) / page * page;
    const auto end = (reinterpret_cast<uintptr_t>(data) + size) / page * page;
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

} // namespace stoupe::service
