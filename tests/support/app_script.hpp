#pragma once
// A script played by `burrowix-sim app` inside the test, as the scenario tests of the whole program
// run it: on a folder of game data, with a player folder of the test's own.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"
#include "sim_runner.hpp"

namespace burrowix::test {

// The lines the script printed (its `state` lines), run on the game data in `data` with the player's
// files in `work`; a failing run fails the test with what the tool wrote to its error stream.
inline std::vector<std::string> runAppScript(const std::string& data, const std::filesystem::path& work,
                                             const std::string& script)
{
    std::istringstream in(script);
    std::ostringstream out, errors;
    EXPECT_EQ(runSimTool({"app", data, "--work", work.string()}, in, out, errors), 0) << errors.str();
    std::vector<std::string> lines;
    std::istringstream s(out.str());
    for (std::string line; std::getline(s, line);)
        lines.push_back(line);
    return lines;
}

// A returning player's folder: the hall of fame as shipped, Hard chosen, the first level of every
// pack open.
inline void writeHardPlayerFolder(const std::filesystem::path& work)
{
    HallOfFame table;
    ASSERT_TRUE(HallOfFameFile{(work / "score.dat").string()}.write(table, 0));
    StoredOptions stored;
    stored.difficulty = 2;
    ASSERT_TRUE(writeOptionsFile((work / "opt.dat").string(), stored));
    LevelProgress progress;
    ASSERT_TRUE(progress.write((work / "li.dat").string()));
}

} // namespace burrowix::test
