#pragma once
// A small but complete set of packs for start-up tests: a standard pack with every picture the
// tables name (tiny pictures), one theme pack and one level pack.

#include <cstdint>
#include <string>
#include <vector>

namespace burrowix::test {

struct TestPackOptions {
    std::string missing;                // a standard-pack picture left out
    std::uint32_t themeColour = 0xC80A0A; // 0xRRGGBB of the theme pictures
    std::uint32_t logoColour = 0xFF0000;
    std::uint32_t mainMenuColour = 0x0000FF;
    // The level pack: its number (difficulty), its level count and its levels as level sources.
    std::int32_t levelPackNumber = 0;
    std::int32_t levelCount = 30;
    std::vector<std::string> levelSources{};
    // Theme packs 1, 2, ... beside theme 0 ("theme1.pak", ...), each with its pictures in a colour.
    std::vector<std::uint32_t> moreThemeColours{};
};

// Writes "standart.pak", "theme.pak" (and the further theme packs) and "level.pak" into `folder`;
// false on a write failure.
bool writeTestPacks(const std::string& folder, const TestPackOptions& options = {});

} // namespace burrowix::test
