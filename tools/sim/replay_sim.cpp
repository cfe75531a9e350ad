#include "replay_sim.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "app/headless_game.hpp"
#include "app/level_start.hpp"
#include "app/pack_catalogue.hpp"
#include "app/replay_playback.hpp"
#include "app/replay_store.hpp"
#include "editor/edit_files.hpp"
#include "audio/effect_handles.hpp"
#include "level_sim.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/digger.hpp"
#include "world/level_file.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

const char* resultName(ReplayResult r)
{
    return r == ReplayResult::Won ? "won" : r == ReplayResult::Died ? "died" : "unfinished";
}

int replayUsage(std::ostream& err)
{
    err << "usage: burrowix-sim replay FILE [--data DIR] [--sound on|off] [--level LEVEL]\n"
           "       burrowix-sim record-solutions LEVELS OUTDIR\n";
    return 2;
}

// The level a replay was played on: the level file or source `levelPath` when given (the only way
// to a level of the player's own), else from the level pack of its number in `data`.
std::optional<LevelFile> replayLevel(const ReplayHeader& h, const std::string& levelPath, std::string& why)
{
    if (!levelPath.empty()) {
        std::optional<EditLevel> level = readEditLevel(levelPath, why);
        if (!level) {
            why = levelPath + ": " + why;
            return std::nullopt;
        }
        return toLevelFile(*level);
    }
    if (h.pack == kOwnLevelReplayPack) {
        why = "a replay of a level of the player's own: --level names its level file or source";
        return std::nullopt;
    }
    theCatalogue.useLevelPack();
    const PackInfo* pack = theCatalogue.selectedLevelPackInfo();
    if (!pack || pack->packNumber != h.pack || !theCatalogue.currentPack) {
        why = "no level pack " + std::to_string(h.pack) + " in the data folder";
        return std::nullopt;
    }
    const std::string member = levelMemberName(h.level);
    const std::optional<std::string> path = theCatalogue.currentPack->extractByName(member);
    if (!path) {
        why = "level pack " + std::to_string(h.pack) + " has no level " + std::to_string(h.level + 1);
        return std::nullopt;
    }
    std::optional<LevelFile> level = readLevelFile(*path, &why);
    theCatalogue.currentPack->removeTempFileByName(member);
    return level;
}

} // namespace

ReplayEnd currentReplayEnd(const LevelSim& sim)
{
    ReplayEnd end;
    end.result = sim.won() ? ReplayResult::Won : sim.dead() ? ReplayResult::Died : ReplayResult::Unfinished;
    end.score = theRecords.hallOfFame.score;
    end.frames = std::uint32_t(sim.frames());
    if (world.theWorld)
        end.gridHash = gridHash(*world.theWorld, world.theDigger ? world.theDigger->cellIndex(*world.theWorld) : -1);
    return end;
}

std::string replayEndDifference(const ReplayEnd& recorded, const ReplayEnd& played)
{
    std::ostringstream s;
    const auto part = [&s](const char* text) { s << (s.tellp() > 0 ? "; " : "") << text; };
    if (played.result != recorded.result) {
        part("");
        s << "the attempt " << (played.result == ReplayResult::Unfinished ? "was not over" : resultName(played.result))
          << " instead of " << resultName(recorded.result);
    }
    if (played.frames != recorded.frames) {
        part("");
        s << "it ended after " << played.frames << " frames instead of " << recorded.frames;
    }
    if (played.score != recorded.score) {
        part("");
        s << "the score was " << played.score << " instead of " << recorded.score;
    }
    if (played.gridHash != recorded.gridHash)
        part("the cells or the digger's place at the end differ");
    return s.str();
}

ReplayHeader startOfReplay(const LevelFile& level, const ReplayRecording& recording)
{
    ReplayHeader h;
    h.levelHash = levelContentHash(level);
    h.pack = theCatalogue.difficulty;
    h.level = screenFlow.levelNumber;
    h.difficulty = theCatalogue.difficulty;
    h.gameSpeed = 40 - app.frameInterval;
    h.seed = world.theWorld ? world.theWorld->seed : 1;
    h.date = recording.date >= 0 ? recording.date : std::int64_t(std::time(nullptr));
    h.player = recording.player;
    const HallOfFame& live = theRecords.hallOfFame;
    h.startScore = live.score;
    h.startLives = live.lives;
    h.startAmmunition = live.ammunition;
    return h;
}

bool finishReplay(Replay& replay, const LevelSim& sim, const std::string& path, std::ostream& err)
{
    const ReplayEnd end = sim.attemptEnd ? *sim.attemptEnd : currentReplayEnd(sim);
    ReplayHeader& h = replay.header;
    h.result = end.result;
    h.score = end.score;
    h.frames = end.frames;
    h.gridHash = end.gridHash;
    replay.changes = sim.recorder->changes();
    if (writeReplayFile(path, replay))
        return true;
    err << path << ": the replay cannot be written: " << std::strerror(errno) << '\n';
    return false;
}

int runReplaySim(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2)
        return replayUsage(err);
    std::string data = ".", levelPath;
    bool soundOn = false;
    for (std::size_t i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return replayUsage(err);
        if (args[i] == "--data")
            data = args[i + 1];
        else if (args[i] == "--level")
            levelPath = args[i + 1];
        else if (args[i] == "--sound" && (args[i + 1] == "on" || args[i + 1] == "off"))
            soundOn = args[i + 1] == "on";
        else
            return replayUsage(err);
    }
    std::string why;
    const std::optional<Replay> replay = readReplayFile(args[1], std::nullopt, &why);
    if (!replay) {
        err << args[1] << ": " << why << '\n';
        return 2;
    }
    const ReplayHeader& h = replay->header;

    resetGameState();
    int status = 2;
    const std::string opened = openGameHeadless(data, h.pack == kOwnLevelReplayPack ? h.difficulty : h.pack);
    std::optional<LevelFile> level;
    if (!opened.empty())
        err << "cannot open the game's data: " << opened << '\n';
    else if (!(level = replayLevel(h, levelPath, why)))
        err << args[1] << ": " << why << '\n';
    else if (levelContentHash(*level) != h.levelHash)
        err << args[1] << ": the replay is of another level (or of an earlier version of this one)\n";
    else {
        theCatalogue.difficulty = h.difficulty;
        LevelSim sim(h.gameSpeed, out, err);
        app.clock = &sim.clock;
        if (!startHeadlessLevel(*level, h.level, frameIntervalForSpeed(h.gameSpeed), h.seed)) {
            err << args[1] << ": the level cannot be loaded\n";
        } else {
            HallOfFame& live = theRecords.hallOfFame;
            live.score = h.startScore;
            live.lives = h.startLives;
            live.ammunition = h.startAmmunition;
            // Sound on makes the game pick its sound variants as it would be heard; the effects go nowhere.
            app.soundOn = app.soundAvailable = soundOn ? 1 : 0;
            if (soundOn)
                theEffects.player = [](int, int) {};
            ReplayPlayback playback(*replay);
            while (!playback.finished() && !sim.won() && !sim.dead()) {
                const std::uint32_t step = playback.beforeFrame();
                sim.tick(sim.clock.ticks() + step);
            }
            theEffects.player = nullptr;
            const ReplayEnd recorded{h.result, h.score, h.frames, h.gridHash};
            const std::string difference = replayEndDifference(recorded, currentReplayEnd(sim));
            if (difference.empty()) {
                out << args[1] << ": holds: " << resultName(h.result) << " after " << h.frames << " frames, score "
                    << h.score << '\n';
                status = 0;
            } else {
                out << args[1] << ": does not hold: " << difference << '\n';
                status = 1;
            }
        }
    }
    world.reset();
    closeGameHeadless();
    app.reset();
    return status;
}

int runRecordSolutions(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    namespace fs = std::filesystem;
    if (args.size() != 3)
        return replayUsage(err);
    const fs::path levels = args[1], outDir = args[2];
    // The same bytes on every build: no clock in the date unless the build gives one.
    ReplayRecording recording;
    recording.player = "Brannok";
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    recording.date = epoch ? std::atoll(epoch) : 0;
    int status = 0, written = 0;
    for (int pack = 0; pack < 3; ++pack)
        for (int n = 1; n <= 30; ++n) {
            const fs::path base = levels / ("pack" + std::to_string(pack)) / std::to_string(n);
            const fs::path source = base.string() + ".txt", solution = base.string() + ".solution";
            if (!fs::exists(source) || !fs::exists(solution))
                continue;
            std::error_code ec;
            fs::create_directories(outDir / ("pack" + std::to_string(pack)), ec);
            recording.path = (outDir / ("pack" + std::to_string(pack)) / (std::to_string(n) + ".rpl")).string();
            fs::remove(recording.path, ec);
            std::ostringstream levelOut, levelErr;
            std::istringstream none;
            const int played = runLevel({"level", source.string(), "--difficulty", std::to_string(pack), "--index",
                                         std::to_string(n - 1), "--script", solution.string()},
                                        none, levelOut, levelErr, &recording);
            if (!fs::exists(recording.path)) {
                err << source.string() << ": no replay made\n" << levelErr.str();
                status = 2;
                continue;
            }
            ++written;
            if (played != 0) {
                const std::string why = levelErr.str();
                err << solution.string() << " fails (" << why.substr(0, why.find('\n'))
                    << "); its replay is written all the same\n";
            }
        }
    out << written << " replays written to " << outDir.string() << '\n';
    return status;
}

} // namespace burrowix
