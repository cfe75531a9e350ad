#include "common/le_io.hpp"

namespace burrowix {

bool readLE32(std::FILE* f, std::uint32_t& value)
{
    std::uint8_t b[4];
    if (std::fread(b, 1, 4, f) != 4)
        return false;
    value = loadLE32(b);
    return true;
}

bool readLE32(std::FILE* f, std::int32_t& value)
{
    std::uint32_t u;
    if (!readLE32(f, u))
        return false;
    value = static_cast<std::int32_t>(u);
    return true;
}

bool writeLE32(std::FILE* f, std::uint32_t value)
{
    std::uint8_t b[4];
    storeLE32(b, value);
    return std::fwrite(b, 1, 4, f) == 4;
}

} // namespace burrowix
