#pragma once
// A pack's description, the member "pak.dsc" every pack carries: its type, title, theme and pack
// numbers and level count. Little-endian 32-bit integers around a length-prefixed title.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace burrowix {

inline constexpr const char* kPackDescriptionName = "pak.dsc";

struct PackInfo {
    static constexpr std::int32_t kLevelPack = 1;
    static constexpr std::int32_t kThemePack = 2;

    std::string fileName;             // as the directory scan gave it
    std::int32_t packType = 0;        // 1 level pack, 2 theme pack, anything else never selected
    std::optional<std::string> title; // none when its stored length is 0 or less
    std::int32_t packNumber = 0;      // level pack: its difficulty
    std::int32_t themeNumber = 0;     // theme pack: its theme; level pack: the theme it is played with
    std::int32_t reserved = 0;
    std::int32_t levelCount = 0;
};

// Reads a description as far as it goes: fields past the end of the bytes stay 0, and a title
// longer than the bytes present keeps what is there.
PackInfo parsePackDescription(std::span<const std::uint8_t> bytes);

// The bytes of a description, fields in file order (theme number before pack number, level count
// before the reserved word).
std::vector<std::uint8_t> encodePackDescription(const PackInfo& info);

} // namespace burrowix
