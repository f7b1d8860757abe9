#include "platform/services/ReadOnlyPages.h"

#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

void ForgetReadOnlyPages(const void* data, size_t size) noexcept {
    const long page = sysconf(_SC_PAGESIZE);
    if (page <= 0 || !data) return;
    const uintptr_t mask = static_cast<uintptr_t>(page) - 1;
    const uintptr_t start = reinterpret_cast<uintptr_t>(data);
    if (size > UINTPTR_MAX - start) return;
    // Whole pages only: a page shared with other data may hold something
    // written at start (a relocated pointer), which would be lost.
    const uintptr_t first = (start + mask) & ~mask;
    const uintptr_t end = (start + size) & ~mask;
    if (end <= first) return;
    // A failure leaves the pages where they were, which is only memory.
    madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
}
