#include "platform/display/pixel_rows.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/display/blit.hpp"

namespace burrowix {
namespace {

constexpr std::uint32_t kKey = 0x00FF00;

// Pixels where roughly `keyPercent` in a hundred are the key, in runs as sprites have them.
std::vector<std::uint32_t> randomRow(std::mt19937& rng, std::size_t n, int keyPercent)
{
    std::vector<std::uint32_t> row(n);
    std::uniform_int_distribution<int> percent(0, 99);
    bool keyRun = false;
    for (auto& p : row) {
        if (percent(rng) < 20)
            keyRun = percent(rng) < keyPercent;
        p = keyRun ? kKey : static_cast<std::uint32_t>(rng());
    }
    return row;
}

TEST(PixelRows, EveryVersionGivesThePlainLoopsPixels)
{
    std::size_t count = 0;
    const PixelRowKernels* kernels = availablePixelRows(count);
    ASSERT_GE(count, 1u);
    EXPECT_STREQ(kernels[0].name, "plain");
    EXPECT_EQ(&pixelRows(), &kernels[count - 1]);
#if defined(__x86_64__)
    EXPECT_GE(count, 2u) << "SSE2 is always there on x86-64";
#endif
    std::mt19937 rng(7);
    const PixelRowKernels& plain = plainPixelRows();
    for (std::size_t k = 1; k < count; ++k) {
        SCOPED_TRACE(kernels[k].name);
        for (int keyPercent : {0, 30, 70, 100}) {
            for (std::size_t n = 0; n < 70; ++n) {
                // Odd start offsets put the rows off every vector boundary.
                for (std::size_t offset : {0u, 1u, 3u}) {
                    const auto src = randomRow(rng, n + offset, keyPercent);
                    const auto under = randomRow(rng, n + offset + 1, 0);
                    auto filled = under;
                    kernels[k].fill(filled.data() + 1, n, 0xABCDEF);
                    for (std::size_t i = 0; i < filled.size(); ++i)
                        ASSERT_EQ(filled[i], i >= 1 && i <= n ? 0xABCDEFu : under[i]) << "fill n=" << n;
                    auto over = under, overWant = under;
                    kernels[k].overFill(over.data() + 1, src.data() + offset, n, kKey, 0x123456);
                    plain.overFill(overWant.data() + 1, src.data() + offset, n, kKey, 0x123456);
                    ASSERT_EQ(over, overWant) << "over fill n=" << n;
                    for (int op = 0; op < 2; ++op) {
                        auto want = under, got = under;
                        const auto fn = op ? &PixelRowKernels::orOnto : &PixelRowKernels::keyedCopy;
                        (plain.*fn)(want.data() + 1, src.data() + offset, n, kKey);
                        (kernels[k].*fn)(got.data() + 1, src.data() + offset, n, kKey);
                        ASSERT_EQ(got, want) << (op ? "or" : "keyed") << " n=" << n << " offset=" << offset
                                             << " keys=" << keyPercent << "%";
                    }
                }
            }
        }
    }
}

// The keyed and OR blits at every placement around and across a small destination, against a
// pixel-by-pixel model of what each must draw.
TEST(PixelRows, KeyedAndOrBlitsMatchAPixelModelAtEveryClip)
{
    std::mt19937 rng(11);
    Surface src(19, 7);
    for (int y = 0; y < src.height(); ++y) {
        const auto row = randomRow(rng, std::size_t(src.width()), 40);
        for (int x = 0; x < src.width(); ++x)
            src.setPixel(x, y, row[std::size_t(x)]);
    }
    src.setColorKeyPixel(kKey);
    Surface under(23, 9);
    for (int y = 0; y < under.height(); ++y)
        for (int x = 0; x < under.width(); ++x)
            under.setPixel(x, y, static_cast<std::uint32_t>(rng()));
    const Rect part{-2, 1, 21, 6}; // reaches past the source's left and right edges
    for (int op = 0; op < 2; ++op) {
        for (int y = -8; y <= 10; ++y) {
            for (int x = -22; x <= 24; ++x) {
                Surface dst(under.width(), under.height());
                blitFast(&dst, 0, 0, &under, nullptr, false);
                if (op)
                    blitOr(&dst, x, y, &src, &part, kKey);
                else
                    blitFast(&dst, x, y, &src, &part, true);
                for (int dy = 0; dy < dst.height(); ++dy) {
                    for (int dx = 0; dx < dst.width(); ++dx) {
                        const int sx = part.left + dx - x, sy = part.top + dy - y;
                        std::uint32_t want = under.pixel(dx, dy);
                        const bool inside = sx >= std::max(part.left, 0) && sx < std::min(part.right, src.width()) &&
                                            sy >= part.top && sy < part.bottom;
                        if (inside && src.pixel(sx, sy) != kKey)
                            want = op ? want | src.pixel(sx, sy) : src.pixel(sx, sy);
                        ASSERT_EQ(dst.pixel(dx, dy), want)
                            << (op ? "or" : "keyed") << " at " << x << "," << y << " pixel " << dx << "," << dy;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace burrowix
