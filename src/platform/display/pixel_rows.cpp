#include "platform/display/pixel_rows.hpp"

#if defined(__x86_64__) || defined(_M_X64)
#define BURROWIX_X86_ROWS 1
#include <immintrin.h>
#endif

namespace burrowix {

namespace {

void keyedCopyPlain(std::uint32_t* d, const std::uint32_t* s, std::size_t n, std::uint32_t key)
{
    for (std::size_t i = 0; i < n; ++i)
        if (s[i] != key)
            d[i] = s[i];
}

void orOntoPlain(std::uint32_t* d, const std::uint32_t* s, std::size_t n, std::uint32_t key)
{
    for (std::size_t i = 0; i < n; ++i)
        if (s[i] != key)
            d[i] |= s[i];
}

void fillPlain(std::uint32_t* d, std::size_t n, std::uint32_t pixel)
{
    for (std::size_t i = 0; i < n; ++i)
        d[i] = pixel;
}

void overFillPlain(std::uint32_t* d, const std::uint32_t* s, std::size_t n, std::uint32_t key, std::uint32_t fill)
{
    for (std::size_t i = 0; i < n; ++i)
        d[i] = s[i] == key ? fill : s[i];
}

#ifdef BURROWIX_X86_ROWS

// A vector whose source pixels are all the key leaves the destination untouched (no load, no
// store), so sprites' transparent corners cost only the source read.
void keyedCopySse2(std::uint32_t* d, const std::uint32_t* s, std::size_t n, std::uint32_t key)
{
    const __m128i k = _mm_set1_epi32(static_cast<int>(key));
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i isKey = _mm_cmpeq_epi32(p, k);
        const int keyed = _mm_movemask_epi8(isKey);
        if (keyed == 0xFFFF)
            continue;
        __m128i* out = reinterpret_cast<__m128i*>(d + i);
        if (keyed == 0) {
            _mm_storeu_si128(out, p);
            continue;
        }
        const __m128i old = _mm_loadu_si128(out);
        _mm_storeu_si128(out, _mm_or_si128(_mm_and_si128(isKey, old), _mm_andnot_si128(isKey, p)));
    }
    keyedCopyPlain(d + i, s + i, n - i, key);
}

void orOntoSse2(std::uint32_t* d, const std::uint32_t* s, std::size_t n, std::uint32_t key)
{
    const __m128i k = _mm_set1_epi32(static_cast<int>(key));
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i drawn = _mm_andnot_si128(_mm_cmpeq_epi32(p, k), p);
        __m128i* out = reinterpret_cast<__m128i*>(d + i);
        _mm_storeu_si128(out, _mm_or_si128(_mm_loadu_si128(out), drawn));
    }
    orOntoPlain(d + i, s + i, n - i, key);
}

void fillSse2(std::uint32_t* d, std::size_t n, std::uint32_t pixel)
{
    const __m128i p = _mm_set1_epi32(static_cast<int>(pixel));
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), p);
    fillPlain(d + i, n - i, pixel);
}

void overFillSse2(std::uint32_t* d, const std::uint32_t* s, std::size_t n, std::uint32_t key, std::uint32_t fill)
{
    const __m128i k = _mm_set1_epi32(static_cast<int>(key));
    const __m128i f = _mm_set1_epi32(static_cast<int>(fill));
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i isKey = _mm_cmpeq_epi32(p, k);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i),
                         _mm_or_si128(_mm_and_si128(isKey, f), _mm_andnot_si128(isKey, p)));
    }
    overFillPlain(d + i, s + i, n - i, key, fill);
}

__attribute__((target("avx2"))) void keyedCopyAvx2(std::uint32_t* d, const std::uint32_t* s, std::size_t n,
                                                   std::uint32_t key)
{
    const __m256i k = _mm256_set1_epi32(static_cast<int>(key));
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i isKey = _mm256_cmpeq_epi32(p, k);
        __m256i* out = reinterpret_cast<__m256i*>(d + i);
        _mm256_storeu_si256(out, _mm256_blendv_epi8(p, _mm256_loadu_si256(out), isKey));
    }
    keyedCopySse2(d + i, s + i, n - i, key);
}

__attribute__((target("avx2"))) void orOntoAvx2(std::uint32_t* d, const std::uint32_t* s, std::size_t n,
                                                std::uint32_t key)
{
    const __m256i k = _mm256_set1_epi32(static_cast<int>(key));
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i drawn = _mm256_andnot_si256(_mm256_cmpeq_epi32(p, k), p);
        __m256i* out = reinterpret_cast<__m256i*>(d + i);
        _mm256_storeu_si256(out, _mm256_or_si256(_mm256_loadu_si256(out), drawn));
    }
    orOntoSse2(d + i, s + i, n - i, key);
}

__attribute__((target("avx2"))) void fillAvx2(std::uint32_t* d, std::size_t n, std::uint32_t pixel)
{
    const __m256i p = _mm256_set1_epi32(static_cast<int>(pixel));
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), p);
    fillSse2(d + i, n - i, pixel);
}

__attribute__((target("avx2"))) void overFillAvx2(std::uint32_t* d, const std::uint32_t* s, std::size_t n,
                                                  std::uint32_t key, std::uint32_t fill)
{
    const __m256i k = _mm256_set1_epi32(static_cast<int>(key));
    const __m256i f = _mm256_set1_epi32(static_cast<int>(fill));
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_blendv_epi8(p, f, _mm256_cmpeq_epi32(p, k)));
    }
    overFillSse2(d + i, s + i, n - i, key, fill);
}

constexpr PixelRowKernels kAll[] = {
    {"plain", keyedCopyPlain, orOntoPlain, fillPlain, overFillPlain},
    {"sse2", keyedCopySse2, orOntoSse2, fillSse2, overFillSse2},
    {"avx2", keyedCopyAvx2, orOntoAvx2, fillAvx2, overFillAvx2},
};

std::size_t runnableCount()
{
    static const std::size_t count = __builtin_cpu_supports("avx2") ? 3 : 2;
    return count;
}

#else

constexpr PixelRowKernels kAll[] = {{"plain", keyedCopyPlain, orOntoPlain, fillPlain, overFillPlain}};

std::size_t runnableCount() { return 1; }

#endif

} // namespace

const PixelRowKernels& plainPixelRows() { return kAll[0]; }

const PixelRowKernels* availablePixelRows(std::size_t& count)
{
    count = runnableCount();
    return kAll;
}

const PixelRowKernels& pixelRows() { return kAll[runnableCount() - 1]; }

} // namespace burrowix
