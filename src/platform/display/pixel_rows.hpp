#pragma once
// The inner loops of the keyed and OR blits and of fills, one row at a time. The vector versions (SSE2 on
// x86-64, AVX2 where the processor has it) give exactly the pixels of the plain loops; the best
// one the processor runs is chosen once, on first use. Source and destination rows must not
// overlap (the blits use the plain loop for a copy within one surface).

#include <cstddef>
#include <cstdint>

namespace burrowix {

// d[i] = s[i] wherever s[i] != key.
using KeyedRowFn = void (*)(std::uint32_t* d, const std::uint32_t* s, std::size_t n, std::uint32_t key);
// d[i] |= s[i] wherever s[i] != key.
using OrRowFn = KeyedRowFn;
// d[i] = pixel for every i.
using FillRowFn = void (*)(std::uint32_t* d, std::size_t n, std::uint32_t pixel);
// d[i] = s[i] == key ? fill : s[i]: a keyed picture over a filled row, each pixel written once.
using OverFillRowFn = void (*)(std::uint32_t* d, const std::uint32_t* s, std::size_t n, std::uint32_t key,
                               std::uint32_t fill);

struct PixelRowKernels {
    const char* name;
    KeyedRowFn keyedCopy;
    OrRowFn orOnto;
    FillRowFn fill;
    OverFillRowFn overFill;
};

// The plain loops, always available.
const PixelRowKernels& plainPixelRows();
// Every version this processor can run, the plain one first and the fastest last; `count` set to
// their number. Tests compare each one with the plain loops.
const PixelRowKernels* availablePixelRows(std::size_t& count);
// The fastest version this processor can run.
const PixelRowKernels& pixelRows();

} // namespace burrowix
