#include "platform/image/pixel_memory.hpp"

#include <sys/mman.h>

namespace burrowix {

void* allocatePixelMemory(std::size_t bytes)
{
    if (bytes < kMappedPixelBytes)
        return ::operator new(bytes);
    void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(block, bytes, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
    // One call makes every page present; on kernels without it the pages fault in as they are used.
    ::madvise(block, bytes, MADV_POPULATE_WRITE);
#endif
    return block;
}

void freePixelMemory(void* block, std::size_t bytes) noexcept
{
    if (!block)
        return;
    if (bytes < kMappedPixelBytes)
        ::operator delete(block);
    else
        ::munmap(block, bytes);
}

} // namespace burrowix
