// The screens of a fixed walk through the program, from the logo to a frame of play, must show
// exactly the pixels recorded in tests/golden/screens/ (a fingerprint per screen): a difference
// means that loading, composing or the generated pictures changed what the player sees. After an
// intended change, rewrite the recording with BURROWIX_UPDATE_GOLDEN=1
// build/tests/burrowix_tests --gtest_filter='GoldenScreens.*' and look at the screens it names.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim_runner.hpp"
#include "support/program_state.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(BURROWIX_SOURCE_DIR) / "tests/golden/screens";

using test::readText;

TEST(GoldenScreens, FromTheLogoToAFrameOfPlayEveryScreenShowsTheRecordedPixels)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data";
#endif
    // From the program's first state, whatever ran before in this process.
    test::resetProgramState();
    test::TempDir work;
    std::istringstream in(readText(kGolden / "script.txt"));
    std::ostringstream out, err;
    ASSERT_EQ(runSimTool({"app", BURROWIX_GAME_DIR, "--work", work.path().string()}, in, out, err), 0) << err.str();
    if (std::getenv("BURROWIX_UPDATE_GOLDEN")) {
        std::ofstream(kGolden / "expected.txt", std::ios::binary | std::ios::trunc) << out.str();
        return;
    }
    const std::string expected = readText(kGolden / "expected.txt");
    ASSERT_EQ(std::count(expected.begin(), expected.end(), '\n'), 6) << "one line per screen";
    EXPECT_EQ(out.str(), expected);
}

} // namespace
} // namespace burrowix
