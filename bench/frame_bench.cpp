// Composes a typical full frame in the back buffer and reports the median time per frame: the 1 x 1
// stretch clear, two full-screen opaque blits (background layers), 400 keyed 40 x 40 sprites and 40
// OR-ed widgets of 100 x 40. Beside it, in the same run, the time to copy the same rectangles as
// plain bytes, and the ratio of the two.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/pixel_rows.hpp"

using namespace burrowix;

namespace {

constexpr int kFrames = 300;

struct Picture {
    std::unique_ptr<Surface> surface;
};

std::uint32_t noise(std::uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

} // namespace

int main()
{
    Surface back(kScreenWidth, kScreenHeight);
    Surface clear(1, 1);
    clear.setPixel(0, 0, 0x102030);
    std::uint32_t state = 1;
    Surface background(kScreenWidth, kScreenHeight), overlay(kScreenWidth, kScreenHeight);
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) {
            background.setPixel(x, y, noise(state) & 0xFFFFFF);
            overlay.setPixel(x, y, noise(state) & 0xFFFFFF);
        }
    // A sprite sheet of 10 x 4 cells with about a third of each cell transparent (green).
    Surface sheet(400, 160);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 400; ++x) {
            const int cx = x % 40 - 20, cy = y % 40 - 20;
            sheet.setPixel(x, y, cx * cx + cy * cy > 300 ? 0x00FF00 : (noise(state) & 0xFFFFFF) | 0x010101);
        }
    sheet.setColorKeyPixel(0x00FF00);
    Surface widget(100, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            widget.setPixel(x, y, (x + y) % 7 ? 0x202020 : 0);

    const Rect onePixel{0, 0, 1, 1};
    // One frame as the game composes it.
    auto compose = [&](int frame) {
        blitStretch(&back, nullptr, &clear, &onePixel, false);
        blitFast(&back, 0, 0, &background, nullptr, false);
        blitFast(&back, 0, 0, &overlay, nullptr, false);
        for (int i = 0; i < 400; ++i) {
            const int cell = (i + frame) % 40;
            const Rect src{cell % 10 * 40, cell / 10 * 40, cell % 10 * 40 + 40, cell / 10 * 40 + 40};
            blitFast(&back, (i * 37 + frame) % 800 - 20, (i * 53) % 600 - 20, &sheet, &src, true);
        }
        for (int i = 0; i < 40; ++i)
            blitOr(&back, (i % 8) * 100, (i / 8) * 120, &widget, nullptr, 0);
    };
    // The memory yardstick: the same rectangles of the same buffers copied as plain bytes (the clear
    // as a copy of the background), which is what the frame costs at the memory's speed.
    auto copyBytes = [&](int frame) {
        blitFast(&back, 0, 0, &background, nullptr, false);
        blitFast(&back, 0, 0, &background, nullptr, false);
        blitFast(&back, 0, 0, &overlay, nullptr, false);
        for (int i = 0; i < 400; ++i) {
            const int cell = (i + frame) % 40;
            const Rect src{cell % 10 * 40, cell / 10 * 40, cell % 10 * 40 + 40, cell / 10 * 40 + 40};
            blitFast(&back, (i * 37 + frame) % 800 - 20, (i * 53) % 600 - 20, &sheet, &src, false);
        }
        for (int i = 0; i < 40; ++i)
            blitFast(&back, (i % 8) * 100, (i / 8) * 120, &widget, nullptr, false);
    };
    auto timed = [](auto&& work, int frame, std::vector<double>& into) {
        const auto start = std::chrono::steady_clock::now();
        work(frame);
        const auto end = std::chrono::steady_clock::now();
        into.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    };
    std::vector<double> times, copyTimes;
    times.reserve(kFrames);
    copyTimes.reserve(kFrames);
    // Interleaved, so both see the same caches and the same load on the machine.
    for (int frame = 0; frame < kFrames; ++frame) {
        timed(copyBytes, frame, copyTimes);
        timed(compose, frame, times);
    }
    std::sort(times.begin(), times.end());
    std::sort(copyTimes.begin(), copyTimes.end());
    const double median = times[times.size() / 2];
    const double copyMedian = copyTimes[copyTimes.size() / 2];
    // Bytes of pixels written or tested per frame.
    const double bytes = 4.0 * (3.0 * kScreenWidth * kScreenHeight + 400.0 * 40 * 40 + 40.0 * 100 * 40);
    std::printf("blit rows: %s\n", pixelRows().name);
    std::printf("frame: median %.3f ms (best %.3f, worst %.3f) over %d frames, %.2f GB/s of pixels\n",
                median, times.front(), times.back(), kFrames, bytes / (median / 1000.0) / 1e9);
    std::printf("copying the bytes the frame touches: median %.3f ms (best %.3f)\n", copyMedian,
                copyTimes.front());
    std::printf("composition / copy: %.2f (goal at most 1.50)\n", median / copyMedian);
    std::printf("checksum %08x\n", back.pixel(399, 299) ^ back.pixel(17, 591));
    return 0;
}
