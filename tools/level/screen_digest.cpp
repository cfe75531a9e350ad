#include "screen_digest.hpp"

#include <cstdint>
#include <cstdio>

#include "platform/display/surface.hpp"

namespace burrowix {

std::string screenDigestLine(const Surface& surface)
{
    std::uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](std::uint32_t value) {
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (value >> (8 * byte)) & 0xFF;
            hash *= 1099511628211ull;
        }
    };
    add(std::uint32_t(surface.width()));
    add(std::uint32_t(surface.height()));
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            add(surface.pixel(x, y) & 0xFFFFFF);
    char line[40];
    std::snprintf(line, sizeof line, "{\"digest\":\"%016llx\"}", static_cast<unsigned long long>(hash));
    return line;
}

} // namespace burrowix
