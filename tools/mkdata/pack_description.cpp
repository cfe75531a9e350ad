#include "pack_description.hpp"

#include "common/le_io.hpp"

namespace burrowix::mkdata {

std::vector<std::uint8_t> packDescription(std::int32_t packType, const std::string& title,
                                          std::int32_t themeNumber, std::int32_t packNumber,
                                          std::int32_t levelCount)
{
    ByteWriter w;
    w.i32(packType);
    w.i32(std::int32_t(title.size()));
    w.bytes(title);
    w.i32(themeNumber);
    w.i32(packNumber);
    w.i32(levelCount);
    w.i32(0); // reserved
    return w.data();
}

} // namespace burrowix::mkdata
