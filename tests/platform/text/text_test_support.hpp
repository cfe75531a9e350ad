#pragma once
// The game's generated fonts in the font table and the registry, for tests that draw text; each test
// starts and ends with an empty registry and table.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text/font_files.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"

namespace burrowix::test {

class GameFontsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        theFonts.reset();
        theFontFiles.reset();
        if (!std::filesystem::exists(std::string(BURROWIX_GAME_DIR) + "/" + kGameFonts[0].file))
            GTEST_SKIP() << "the game's fonts are not generated";
        ASSERT_EQ(addGameFontFiles(BURROWIX_GAME_DIR), 2);
        createGameFonts(nullptr);
    }
    void TearDown() override
    {
        theFonts.reset();
        theFontFiles.reset();
    }
};

} // namespace burrowix::test
