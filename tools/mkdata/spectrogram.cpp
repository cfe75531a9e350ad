#include "spectrogram.hpp"

#include "synth_kit.hpp"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace burrowix::mkdata {

namespace {

constexpr int kFftSize = 2048;
constexpr int kHeight = 320, kWaveHeight = 60;
constexpr double kMinHz = 30, kMaxHz = 20000, kFloorDb = -90;

void fft(std::vector<std::complex<double>>& a)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double angle = -2 * std::numbers::pi / static_cast<double>(len);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w(1);
            for (std::size_t k = 0; k < len / 2; ++k) {
                const auto u = a[i + k], v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= step;
            }
        }
    }
}

// Black, blue, purple, orange, yellow, white: quiet to loud.
std::uint32_t heat(double x)
{
    static const double stops[][3] = {{0, 0, 0}, {20, 20, 110}, {130, 30, 140}, {230, 90, 40}, {250, 210, 60}, {255, 255, 255}};
    x = std::clamp(x, 0.0, 1.0) * 5.0;
    const int i = std::min(4, static_cast<int>(x));
    const double t = x - i;
    std::uint32_t rgb = 0xFF000000u;
    for (int c = 0; c < 3; ++c)
        rgb |= static_cast<std::uint32_t>(stops[i][c] + (stops[i + 1][c] - stops[i][c]) * t) << (16 - 8 * c);
    return rgb;
}

} // namespace

bool writeSpectrogram(const std::vector<float>& samples, int channels, const std::string& pngPath)
{
    std::vector<double> mono(samples.size() / static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < mono.size(); ++i) {
        double sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += samples[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)];
        mono[i] = sum / channels;
    }
    // About 5 ms a column for effects, wider steps for long tracks, at most 1600 columns.
    const double seconds = static_cast<double>(mono.size()) / kSampleRate;
    const int width = std::clamp(static_cast<int>(seconds * 200), 100, 1600);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, kHeight + kWaveHeight);
    auto* pixels = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
    const int stride = cairo_image_surface_get_stride(surface) / 4;
    std::vector<std::complex<double>> buffer(kFftSize);
    std::vector<double> window(kFftSize);
    for (int i = 0; i < kFftSize; ++i)
        window[i] = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (kFftSize - 1));
    const double norm = 4.0 / kFftSize;  // a full-scale sine reads about 0 dB
    for (int x = 0; x < width; ++x) {
        const auto centre = static_cast<long>(static_cast<double>(x) / width * static_cast<double>(mono.size()));
        for (int i = 0; i < kFftSize; ++i) {
            const long at = centre - kFftSize / 2 + i;
            const double v = at >= 0 && at < static_cast<long>(mono.size()) ? mono[static_cast<std::size_t>(at)] : 0.0;
            buffer[i] = v * window[i];
        }
        fft(buffer);
        for (int y = 0; y < kHeight; ++y) {
            const double hz = kMinHz * std::pow(kMaxHz / kMinHz, static_cast<double>(kHeight - 1 - y) / (kHeight - 1));
            const int bin = std::clamp(static_cast<int>(std::lround(hz * kFftSize / kSampleRate)), 1, kFftSize / 2 - 1);
            const double db = 20 * std::log10(std::abs(buffer[bin]) * norm + 1e-12);
            pixels[y * stride + x] = heat((db - kFloorDb) / -kFloorDb);
        }
        // Waveform strip: the column's peak level.
        const auto from = static_cast<std::size_t>(static_cast<double>(x) / width * static_cast<double>(mono.size()));
        const auto to = static_cast<std::size_t>(static_cast<double>(x + 1) / width * static_cast<double>(mono.size()));
        double peak = 0;
        for (std::size_t i = from; i < std::min(to, mono.size()); ++i)
            peak = std::max(peak, std::abs(mono[i]));
        const int half = kWaveHeight / 2, bar = static_cast<int>(peak * half);
        for (int y = 0; y < kWaveHeight; ++y)
            pixels[(kHeight + y) * stride + x] = std::abs(y - half) <= bar ? 0xFF60C0FFu : 0xFF101010u;
    }
    cairo_surface_mark_dirty(surface);
    const bool ok = cairo_surface_write_to_png(surface, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

} // namespace burrowix::mkdata
