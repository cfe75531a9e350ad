#include "sim_runner.hpp"

#include "app_runner.hpp"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>

#include "app/game_frame.hpp"
#include "app/game_keys.hpp"
#include "app/headless_game.hpp"
#include "app/pack_catalogue.hpp"
#include "common/random.hpp"
#include "level_cli.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/system/clock.hpp"
#include "png_file.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/level_loader.hpp"
#include "world/watching_eyes.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

const char* const kKeyNames[] = {"Left", "Up",  "Right", "Down", "Space", "Tab", "Esc", "Enter", "Insert",
                                 "F1",   "F2",  "F3",    "F4",   "F5",    "F6",  "F7",  "F8",    "F9",
                                 "F10",  "F11", "F12"};

bool knownKey(const std::string& key)
{
    for (const char* k : kKeyNames)
        if (key == k)
            return true;
    return false;
}

std::uint32_t keyCode(const std::string& key)
{
    static const std::uint32_t kCodes[] = {Key::Left,   Key::Up,     Key::Right,  Key::Down,   Key::Space,
                                           Key::Tab,    Key::Escape, Key::Enter,  Key::Insert, Key::F1,
                                           Key::F1 + 1, Key::F1 + 2, Key::F4,     Key::F5,     Key::F5 + 1,
                                           Key::F5 + 2, Key::F5 + 3, Key::F9,     Key::F9 + 1, Key::F9 + 2,
                                           Key::F12};
    for (std::size_t i = 0; i < std::size(kKeyNames); ++i)
        if (key == kKeyNames[i])
            return kCodes[i];
    return 0;
}

class LevelSim {
public:
    LevelSim(int speed, std::ostream& out) : speed_(speed), out_(out) {}

    void frame()
    {
        clock_.advance(std::uint32_t(41 - speed_));
        app.frameClock = clock_.ticks();
        if (!elapsedMoreThan(app.frameClock, app.lastFrameTime, app.frameInterval))
            return;
        app.lastFrameTime = app.frameClock;
        ++frames_;
        Surface* back = theDisplay.backBuffer.get();
        const Rect clearPixel{0, 0, 1, 1};
        blitStretch(back, nullptr, app.clearPicture, &clearPixel, false);

        RunGameFrame(back);
        presentFrame(theDisplay);
    }

    void keyDown(const std::string& key) { gameScreenKeyDown(Message{MessageType::KeyDown, keyCode(key), 0}); }

    void keyUp(const std::string& key) { gameKeyUp(Message{MessageType::KeyUp, keyCode(key), 0}); }

    void state()
    {
        const World& w = *world.theWorld;
        const Digger& d = *world.theDigger;
        const HallOfFame& live = theRecords.hallOfFame;
        std::ostringstream s;
        s << "{\"frame\":" << frames_ << ",\"clock\":" << app.frameClock << ",\"frozen\":" << gameScreen.frozen
          << ",\"difficulty\":" << theCatalogue.difficulty << ",\"score\":" << live.score
          << ",\"lives\":" << live.lives << ",\"ammunition\":[";
        for (std::size_t i = 0; i < live.ammunition.size(); ++i)
            s << (i ? "," : "") << live.ammunition[i];
        s << "],\"digger\":{\"x\":" << d.x << ",\"y\":" << d.y << ",\"dead\":" << d.dead << ",\"pose\":" << d.pose
          << ",\"health\":" << d.health << ",\"superMode\":" << d.superMode << ",\"direction\":" << d.direction
          << ",\"facing\":" << d.facing << ",\"moving\":" << d.moving << ",\"goldCollected\":" << d.goldCollected
          << ",\"enemiesKilled\":" << d.enemiesKilled << "},\"world\":{\"width\":" << w.width
          << ",\"height\":" << w.height << ",\"viewX\":" << w.viewX << ",\"viewY\":" << w.viewY
          << ",\"goldRemaining\":" << w.goldRemaining << ",\"enemiesAlive\":" << w.enemiesAlive
          << ",\"enemiesAtStart\":" << w.enemiesAtStart << ",\"levelFinished\":" << w.levelFinished
          << ",\"diggerDead\":" << w.diggerDead << "},\"levelEnding\":" << levelPresentation.levelEnding << "}";
        out_ << s.str() << '\n';
    }

    void cells()
    {
        const World& w = *world.theWorld;
        std::ostringstream s;
        s << "{\"width\":" << w.width << ",\"height\":" << w.height << ",\"kind\":[";
        for (std::size_t i = 0; i < w.cells.size(); ++i)
            s << (i ? "," : "") << w.cells[i].kind;
        s << "],\"param\":[";
        for (std::size_t i = 0; i < w.cells.size(); ++i)
            s << (i ? "," : "") << w.cells[i].param;
        s << "]}";
        out_ << s.str() << '\n';
    }

    ManualClock clock_{0};

private:
    int speed_;
    std::ostream& out_;
    long frames_ = 0;
};

int usage(std::ostream& err)
{
    err << "usage: burrowix-sim level LEVEL [--difficulty D] [--index N] [--speed S] [--script FILE] "
           "[--data DIR]\n"
           "       burrowix-sim app DATADIR [--script FILE] [--work DIR]\n";
    return 2;
}

int runLevel(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    LevelRunOptions options;
    if (!parseLevelRunOptions(args, 2, true, options))
        return usage(err);
    const std::optional<LevelFile> level = readLevelArgument(args, err);
    if (!level)
        return 2;
    const int difficulty = options.difficulty, index = options.index, speed = options.speed;
    const std::string& script = options.script;
    const std::string& data = options.data;
    std::ifstream scriptFile;
    if (!script.empty()) {
        scriptFile.open(script);
        if (!scriptFile) {
            err << script << ": cannot be read\n";
            return 2;
        }
    }
    std::istream& commands = script.empty() ? in : scriptFile;

    app.reset();
    gameScreen.reset();
    levelPresentation.reset();
    screenFlow.reset();
    theRecords.reset();
    world.reset();
    // The eyes draw random numbers: a run must not inherit their timing from an earlier one.
    theEyeLids.reset();
    const std::string opened = openGameHeadless(data, difficulty);
    if (!opened.empty()) {
        err << "cannot load the game's pictures: " << opened << '\n';
        closeGameHeadless();
        return 2;
    }
    LevelSim sim(speed, out);
    app.clock = &sim.clock_;
    app.frameInterval = frameIntervalForSpeed(speed);
    app.cellSize = 40;
    app.currentScreen = ScreenGame;
    theRecords.startNewGameValues();
    screenFlow.levelNumber = index;
    theRandom.reset();
    world.theWorld = std::make_unique<World>();
    setUpLevel(*world.theWorld, *level, index, 40);
    if (!world.theWorld->loaded) {
        err << args[1] << ": the level cannot be loaded\n";
        closeGameHeadless();
        return 2;
    }
    app.worldReady = 1;

    int status = 0;
    std::string line;
    int lineNo = 0;
    while (status == 0 && std::getline(commands, line)) {
        ++lineNo;
        if (const std::size_t hash = line.find('#'); hash != std::string::npos)
            line.resize(hash);
        std::istringstream words(line);
        std::string command, argument, extra;
        if (!(words >> command))
            continue;
        words >> argument;
        const bool oneArgument = !argument.empty() && !(words >> extra);
        if (command == "frames" && oneArgument && argument.find_first_not_of("0123456789") == std::string::npos) {
            const long n = std::atol(argument.c_str());
            for (long f = 0; f < n; ++f)
                sim.frame();
        } else if ((command == "down" || command == "up" || command == "press") && oneArgument &&
                   knownKey(argument)) {
            if (command != "up")
                sim.keyDown(argument);
            if (command == "press")
                sim.frame();
            if (command != "down")
                sim.keyUp(argument);
        } else if (command == "state" && argument.empty()) {
            sim.state();
        } else if (command == "cells" && argument.empty()) {
            sim.cells();
        } else if (command == "shot" && oneArgument) {
            if (!writeSurfacePng(*theDisplay.backBuffer, argument)) {
                err << argument << ": cannot write the picture\n";
                status = 2;
            }
        } else {
            err << "line " << lineNo << ": unknown command \"" << line << "\"\n";
            status = 2;
        }
    }
    out.flush();
    world.reset();
    closeGameHeadless();
    app.reset();
    return status;
}

} // namespace

int runSimTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.size() >= 2 && args[0] == "level")
        return runLevel(args, in, out, err);
    if (!args.empty() && args[0] == "app")
        return runAppSim(args, in, out, err);
    return usage(err);
}

} // namespace burrowix
