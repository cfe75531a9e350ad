#pragma once
// Memory for picture pixels. Large blocks are mapped from the system with their pages made present
// at once instead of faulting in one page at a time on first touch: with some 30 MB of pictures
// loaded at start-up, those faults were the larger part of the start-up time.

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace burrowix {

// Blocks of this size and above are mapped; smaller ones come from the ordinary heap.
constexpr std::size_t kMappedPixelBytes = 256 * 1024;

// `bytes` bytes, zeroed when mapped; throws std::bad_alloc when there is no memory.
void* allocatePixelMemory(std::size_t bytes);
void freePixelMemory(void* block, std::size_t bytes) noexcept;

template <class T>
struct PixelAllocator {
    using value_type = T;
    PixelAllocator() = default;
    template <class U>
    PixelAllocator(const PixelAllocator<U>&) noexcept
    {
    }
    T* allocate(std::size_t n)
    {
        if (n > std::size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocatePixelMemory(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { freePixelMemory(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const PixelAllocator<U>&) const noexcept
    {
        return true;
    }
};

// 32-bit pixels, row after row.
using PixelWords = std::vector<std::uint32_t, PixelAllocator<std::uint32_t>>;

} // namespace burrowix
