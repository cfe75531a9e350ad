#include "sim_runner.hpp"

#include "app_runner.hpp"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/game_frame.hpp"
#include "app/game_keys.hpp"
#include "app/headless_game.hpp"
#include "app/pack_catalogue.hpp"
#include "level_cli.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/system/clock.hpp"
#include "level_sim.hpp"
#include "png_file.hpp"
#include "script_file.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

int usage(std::ostream& err)
{
    err << "usage: burrowix-sim level LEVEL [--difficulty D] [--index N] [--speed S] [--script FILE] "
           "[--data DIR] [--record-replay FILE]\n"
           "       burrowix-sim app DATADIR [--script FILE] [--work DIR]\n"
           "       burrowix-sim replay FILE [--data DIR] [--sound on|off] [--level LEVEL]\n"
           "       burrowix-sim record-solutions LEVELS OUTDIR\n"
           "--record-replay writes the run as a replay, up to the frame that wins or loses; replay plays one\n"
           "and checks that it ends as recorded (exit status 1 and what differed when not); record-solutions\n"
           "writes LEVELS/packP/N.solution as OUTDIR/packP/N.rpl for every level that has one.\n"
        << kLevelScriptHelp;
    return 2;
}

// The script's lines, read one at a time; a first command "options ..." is taken out early because it decides how the
// level is set up.
class ScriptReader {
public:
    explicit ScriptReader(std::istream& in) : in_(in) {}
    // The options of a leading "options" line, empty when the script starts with anything else.
    std::vector<std::string> leadingOptions()
    {
        std::string line;
        while (std::getline(in_, line)) {
            ++lineNo_;
            std::istringstream words(line.substr(0, line.find('#')));
            std::vector<std::string> w;
            for (std::string word; words >> word;)
                w.push_back(word);
            if (w.empty())
                continue;
            if (w[0] == "options")
                return w;
            pending_ = line;
            hasPending_ = true;
            break;
        }
        return {};
    }
    bool next(std::string& line)
    {
        if (hasPending_) {
            hasPending_ = false;
            line = pending_;
            return true;
        }
        if (!std::getline(in_, line))
            return false;
        ++lineNo_;
        return true;
    }
    int lineNo() const { return lineNo_; }

private:
    std::istream& in_;
    std::string pending_;
    bool hasPending_ = false;
    int lineNo_ = 0;
};

// Takes "--record-replay FILE" out of the level's options.
bool takeRecordOption(std::vector<std::string>& args, ReplayRecording& recording)
{
    for (std::size_t i = 2; i < args.size(); i += 2)
        if (args[i] == "--record-replay") {
            if (i + 1 >= args.size())
                return false;
            recording.path = args[i + 1];
            args.erase(args.begin() + std::ptrdiff_t(i), args.begin() + std::ptrdiff_t(i) + 2);
            return true;
        }
    return true;
}

} // namespace

int runLevel(const std::vector<std::string>& commandLine, std::istream& in, std::ostream& out, std::ostream& err,
             const ReplayRecording* forced)
{
    std::vector<std::string> args = commandLine;
    ReplayRecording recording = forced ? *forced : ReplayRecording{};
    LevelRunOptions options;
    if (!takeRecordOption(args, recording) || !parseLevelRunOptions(args, 2, true, options))
        return usage(err);
    const std::optional<LevelFile> level = readLevelArgument(args, err);
    if (!level)
        return 2;
    std::ifstream scriptFile;
    if (!options.script.empty() && !openScriptFile(options.script, scriptFile, err))
        return 2;
    ScriptReader script(options.script.empty() ? in : scriptFile);
    // A recording names the settings it was played with; the command line still has the last word.
    if (const std::vector<std::string> recorded = script.leadingOptions(); !recorded.empty()) {
        LevelRunOptions fromScript;
        if (!parseLevelRunOptions(recorded, 1, false, fromScript)) {
            err << "line " << script.lineNo() << ": bad options\n";
            return 2;
        }
        fromScript.script = options.script;
        parseLevelRunOptions(args, 2, true, fromScript);
        options = fromScript;
    }
    const int difficulty = options.difficulty, index = options.index, speed = options.speed;
    if (!recording.path.empty() && (speed < 10 || speed > 19)) {
        err << "--record-replay: a replay is played at game speed 10..19, not " << speed << '\n';
        return 2;
    }

    resetGameState();
    // The rules need no pictures: without the packs the level plays all the same, and only the
    // commands that look at the screen fail, saying why.
    const std::string opened = openGameHeadless(options.data, difficulty);
    if (!opened.empty() && !theDisplay.isSetUp()) {
        err << "cannot set up the screen: " << opened << '\n';
        closeGameHeadless();
        return 2;
    }
    theCatalogue.difficulty = difficulty;
    LevelSim sim(speed, out, err);
    sim.picturesMissing = opened;
    app.clock = &sim.clock;
    if (!startHeadlessLevel(*level, index, frameIntervalForSpeed(speed))) {
        err << args[1] << ": the level cannot be loaded\n";
        closeGameHeadless();
        return 2;
    }

    ReplayRecorder recorder(speed);
    Replay replay;
    if (!recording.path.empty()) {
        sim.recorder = &recorder;
        replay.header = startOfReplay(*level, recording);
    }

    int status = 0;
    for (std::string line; status == 0 && script.next(line);)
        if (!sim.command(line, script.lineNo()))
            status = 2;
    if (!recording.path.empty() && !finishReplay(replay, sim, recording.path, err))
        status = 2;
    out.flush();
    world.reset();
    closeGameHeadless();
    app.reset();
    return status;
}

int runSimTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.size() >= 2 && args[0] == "level")
        return runLevel(args, in, out, err);
    if (!args.empty() && args[0] == "app")
        return runAppSim(args, in, out, err);
    if (!args.empty() && args[0] == "replay")
        return runReplaySim(args, out, err);
    if (!args.empty() && args[0] == "record-solutions")
        return runRecordSolutions(args, out, err);
    return usage(err);
}

} // namespace burrowix
