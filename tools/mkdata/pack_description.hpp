#pragma once
// "pak.dsc": the record that tells the game what a level or theme pack is, in the game's own format.
#include "app/pack_info.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace burrowix::mkdata {

inline constexpr std::int32_t kLevelPackType = PackInfo::kLevelPack;
inline constexpr std::int32_t kThemePackType = PackInfo::kThemePack;

std::vector<std::uint8_t> packDescription(std::int32_t packType, const std::string& title,
                                          std::int32_t themeNumber, std::int32_t packNumber,
                                          std::int32_t levelCount);

} // namespace burrowix::mkdata
