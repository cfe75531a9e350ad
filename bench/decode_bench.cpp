// Time to load an 800 x 600 JPEG and an 800 x 600 bitmap from disk with the game's loader (median
// of several runs).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <unistd.h>

#include "platform/image/load_image.hpp"

using namespace burrowix;

namespace {

constexpr int W = 800, H = 600, kRuns = 15;

std::vector<std::uint8_t> picture()
{
    std::vector<std::uint8_t> rgb(std::size_t(W) * H * 3);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            std::uint8_t* p = &rgb[(std::size_t(y) * W + std::size_t(x)) * 3];
            p[0] = std::uint8_t(x * 255 / W);
            p[1] = std::uint8_t(y * 255 / H);
            p[2] = std::uint8_t((x ^ y) & 0xFF);
        }
    return rgb;
}

bool writeJpeg(const std::string& path, const std::vector<std::uint8_t>& rgb)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, f);
    info.image_width = W;
    info.image_height = H;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&rgb[std::size_t(info.next_scanline) * W * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(f) == 0;
}

void put32(std::FILE* f, std::uint32_t v)
{
    const unsigned char b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    std::fwrite(b, 1, 4, f);
}

bool writeBmp(const std::string& path, const std::vector<std::uint8_t>& rgb)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const std::uint32_t row = W * 3, size = row * H;
    std::fwrite("BM", 1, 2, f);
    put32(f, 54 + size);
    put32(f, 0);
    put32(f, 54);
    put32(f, 40);
    put32(f, W);
    put32(f, H);
    put32(f, 1 | 24 << 16);
    put32(f, 0);
    put32(f, size);
    put32(f, 2835);
    put32(f, 2835);
    put32(f, 0);
    put32(f, 0);
    std::vector<std::uint8_t> line(row);
    for (int y = H - 1; y >= 0; --y) {
        for (int x = 0; x < W; ++x) {
            const std::uint8_t* p = &rgb[(std::size_t(y) * W + std::size_t(x)) * 3];
            line[std::size_t(x) * 3] = p[2];
            line[std::size_t(x) * 3 + 1] = p[1];
            line[std::size_t(x) * 3 + 2] = p[0];
        }
        std::fwrite(line.data(), 1, row, f);
    }
    return std::fclose(f) == 0;
}

double medianLoadMs(const std::string& path)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const auto bitmap = loadImage(path);
        const auto end = std::chrono::steady_clock::now();
        if (!bitmap || bitmap->width != W || bitmap->height != H) {
            std::fprintf(stderr, "%s did not load\n", path.c_str());
            std::exit(1);
        }
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    char folder[] = "/tmp/burrowix-decode-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string jpg = std::string(folder) + "/picture.jpg", bmp = std::string(folder) + "/picture.bmp";
    const auto rgb = picture();
    if (!writeJpeg(jpg, rgb) || !writeBmp(bmp, rgb))
        return 1;
    std::printf("decode 800 x 600 JPEG: median %.2f ms\n", medianLoadMs(jpg));
    std::printf("decode 800 x 600 BMP:  median %.2f ms\n", medianLoadMs(bmp));
    std::remove(jpg.c_str());
    std::remove(bmp.c_str());
    rmdir(folder);
    return 0;
}
