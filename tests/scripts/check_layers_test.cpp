// scripts/check-layers: the tree passes, and a wrong-way include or a world file naming the shell's
// state, planted in a copy of it, is caught.
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace burrowix {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string output;
};

Result checkLayers(const fs::path& src)
{
    const std::string command =
        std::string("'") + BURROWIX_SOURCE_DIR + "/scripts/check-layers' '" + src.string() + "' 2>&1";
    Result r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        r.output += buffer;
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

void append(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::app) << text;
}

TEST(CheckLayers, TheTreeLooksLeft)
{
    const Result r = checkLayers(fs::path(BURROWIX_SOURCE_DIR) / "src");
    EXPECT_EQ(r.status, 0) << r.output;
}

TEST(CheckLayers, CatchesWrongWayIncludesAndFoldersOutsideTheOrder)
{
    test::TempDir dir;
    const fs::path src = dir.path() / "src";
    for (const char* folder : {"common", "state", "records", "world", "app"})
        fs::create_directories(src / folder);
    append(src / "world/cell.cpp", "#include \"world/cell.hpp\"\n#include \"state/app_state.hpp\"\n"
                                   "#include <vector>\n");
    append(src / "app/startup.cpp", "#include \"world/world.hpp\"\n#include \"records/records.hpp\"\n");
    append(src / "state/app_state.hpp", "#include \"common/random.hpp\"\n");
    Result r = checkLayers(src);
    ASSERT_EQ(r.status, 0) << r.output;

    append(src / "world/cell.cpp", "  #  include \"app/startup.hpp\"\n");
    r = checkLayers(src);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("src/world/cell.cpp:4: world includes app/startup.hpp"), std::string::npos)
        << r.output;

    // state and records sit side by side: neither includes the other.
    append(src / "state/app_state.hpp", "#include \"records/options.hpp\"\n");
    r = checkLayers(src);
    EXPECT_NE(r.output.find("src/state/app_state.hpp:2: state includes records/options.hpp"), std::string::npos)
        << r.output;

    fs::create_directories(src / "gadgets");
    r = checkLayers(src);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("src/gadgets/ is in no layer"), std::string::npos) << r.output;
}

TEST(CheckLayers, CatchesTheWorldNamingTheShellsState)
{
    test::TempDir dir;
    const fs::path src = dir.path() / "src";
    fs::create_directories(src / "world");
    fs::create_directories(src / "app");
    // The shell may name its own state, and the world may use names that merely contain it.
    append(src / "app/game_frame.cpp", "void f() { gameScreen.frozen = 1; playEffect(3); }\n");
    append(src / "world/scoring.cpp", "int levelPresentationCount = 0; // myRecords\n");
    ASSERT_EQ(checkLayers(src).status, 0) << checkLayers(src).output;

    for (const char* name : {"levelPresentation", "gameScreen", "theRecords", "playEffect", "app.cellSize"}) {
        const fs::path file = src / "world" / (std::string(name) + "_user.cpp");
        append(file, std::string("void g() { ") + name + "; }\n");
        const Result r = checkLayers(src);
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_NE(r.output.find(file.filename().string() + ":1:"), std::string::npos) << r.output;
        fs::remove(file);
    }
}

} // namespace
} // namespace burrowix
