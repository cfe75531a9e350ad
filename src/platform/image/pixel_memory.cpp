#include "platform/image/pixel_memory.hpp"

#include <sys/mman.h>

// Under AddressSanitizer every block comes from the heap, whose guard zones catch overruns that
// a mapping would hide.
#if defined(__SANITIZE_ADDRESS__)
#define BURROWIX_HEAP_PIXELS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BURROWIX_HEAP_PIXELS 1
#endif
#endif
#ifndef BURROWIX_HEAP_PIXELS
#define BURROWIX_HEAP_PIXELS 0
#endif

namespace burrowix {

namespace {

bool mapped(std::size_t bytes)
{
    return !BURROWIX_HEAP_PIXELS && bytes >= kMappedPixelBytes;
}

} // namespace

void* allocatePixelMemory(std::size_t bytes)
{
    if (!mapped(bytes))
        return ::operator new(bytes);
    void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
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
    if (!mapped(bytes))
        ::operator delete(block);
    else
        ::munmap(block, bytes);
}

} // namespace burrowix
