// Composes a typical full frame in the back buffer and reports the median time per frame: the 1 x 1
// stretch clear, two full-screen opaque blits (background layers), 400 keyed 40 x 40 sprites and 40
// OR-ed widgets of 100 x 40.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"

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
    std::vector<double> times;
    times.reserve(kFrames);
    for (int frame = 0; frame < kFrames; ++frame) {
        const auto start = std::chrono::steady_clock::now();
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
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    // Bytes of pixels written or tested per frame.
    const double bytes = 4.0 * (3.0 * kScreenWidth * kScreenHeight + 400.0 * 40 * 40 + 40.0 * 100 * 40);
    std::printf("frame: median %.3f ms (best %.3f, worst %.3f) over %d frames, %.2f GB/s of pixels\n",
                median, times.front(), times.back(), kFrames, bytes / (median / 1000.0) / 1e9);
    std::printf("checksum %08x\n", back.pixel(399, 299) ^ back.pixel(17, 591));
    return 0;
}
