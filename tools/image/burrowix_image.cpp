// burrowix-image FILE OUT.ppm: decodes a picture with the game's own loader (choosing the decoder by
// the same name rules) and writes the pixels as a binary PPM, so that the decoders can be compared
// with any other decoder. On failure prints the decoder's message and exits with status 2.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/image/load_image.hpp"

using namespace burrowix;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: burrowix-image FILE OUT.ppm\n");
        return 1;
    }
    std::string error;
    const std::optional<Bitmap> bitmap = loadImage(argv[1], &error);
    if (!bitmap) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.empty() ? "cannot be loaded" : error.c_str());
        return 2;
    }
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) {
        std::perror(argv[2]);
        return 1;
    }
    std::fprintf(out, "P6\n%d %d\n255\n", bitmap->width, bitmap->height);
    std::vector<unsigned char> row(std::size_t(bitmap->width) * 3);
    for (int y = 0; y < bitmap->height; ++y) {
        for (int x = 0; x < bitmap->width; ++x) {
            const std::uint32_t p = bitmap->at(x, y);
            row[std::size_t(x) * 3] = static_cast<unsigned char>(p >> 16);
            row[std::size_t(x) * 3 + 1] = static_cast<unsigned char>(p >> 8);
            row[std::size_t(x) * 3 + 2] = static_cast<unsigned char>(p);
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    if (std::fclose(out) != 0) {
        std::perror(argv[2]);
        return 1;
    }
    return 0;
}
