#include "pack_description.hpp"

namespace burrowix::mkdata {

std::vector<std::uint8_t> packDescription(std::int32_t packType, const std::string& title,
                                          std::int32_t themeNumber, std::int32_t packNumber,
                                          std::int32_t levelCount)
{
    PackInfo info;
    info.packType = packType;
    info.title = title;
    info.themeNumber = themeNumber;
    info.packNumber = packNumber;
    info.levelCount = levelCount;
    return encodePackDescription(info);
}

} // namespace burrowix::mkdata
