// Runs tools/image/compare-with-reference.sh: every decoder against an independent decoder on
// pictures of each supported kind, depth and layout. Skipped where the reference tool or
// burrowix-image is not available.

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace burrowix {
namespace {

TEST(ReferenceDecoder, EveryKindDecodesPixelForPixelLikeTheReference)
{
    const std::filesystem::path gameDir = BURROWIX_GAME_DIR;
    const std::filesystem::path script =
        std::filesystem::path(BURROWIX_SOURCE_DIR) / "tools/image/compare-with-reference.sh";
    if (!std::filesystem::exists(gameDir / "burrowix-image") || std::system("command -v convert >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "burrowix-image or the reference decoder is missing";
    const std::string command = "'" + script.string() + "' '" + gameDir.parent_path().string() + "' 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0) << output;
    EXPECT_EQ(output.find("FAIL"), std::string::npos) << output;
    EXPECT_EQ(output.find("DIFF"), std::string::npos) << output;
    EXPECT_NE(output.find("same"), std::string::npos) << output;
}

} // namespace
} // namespace burrowix
