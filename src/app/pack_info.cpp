#include "app/pack_info.hpp"

#include "common/le_io.hpp"

namespace burrowix {

PackInfo parsePackDescription(std::span<const std::uint8_t> bytes)
{
    PackInfo info;
    ByteReader in(bytes);
    std::int32_t titleLength = 0;
    if (!in.i32(info.packType) || !in.i32(titleLength))
        return info;
    if (titleLength > 0) {
        std::span<const std::uint8_t> text;
        const std::size_t length = static_cast<std::size_t>(titleLength);
        if (!in.bytes(std::min(length, in.remaining()), text))
            return info;
        info.title = std::string(text.begin(), text.end());
        if (text.size() < length)
            return info;
    }
    in.i32(info.themeNumber) && in.i32(info.packNumber) && in.i32(info.levelCount) && in.i32(info.reserved);
    return info;
}

std::vector<std::uint8_t> encodePackDescription(const PackInfo& info)
{
    ByteWriter out;
    out.i32(info.packType);
    const std::string title = info.title.value_or("");
    out.i32(static_cast<std::int32_t>(title.size()));
    out.bytes(title);
    out.i32(info.themeNumber);
    out.i32(info.packNumber);
    out.i32(info.levelCount);
    out.i32(info.reserved);
    return out.data();
}

} // namespace burrowix
