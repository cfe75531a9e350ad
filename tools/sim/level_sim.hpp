#pragma once
// A level played without a window against a manual clock, one script line at a time. The level
// must be set up (world, digger, app state) before the first line.

#include <iosfwd>
#include <optional>
#include <string>

#include "platform/system/clock.hpp"
#include "replay_sim.hpp"

namespace burrowix {

// The script language, as the tool's usage prints it.
inline constexpr const char* kLevelScriptHelp =
    "Script commands, one per line ('#' starts a comment):\n"
    "  options --difficulty D --index N --speed S\n"
    "                   first line only: the settings the script was made for (recordings name\n"
    "                   them); options on the command line win\n"
    "  frames N         run N game frames (at most 1000000), each 41 - speed ms after the last\n"
    "  tick T           move the clock to T ms after the start and run the frame if one is due\n"
    "                   (recordings: the exact clock of every frame)\n"
    "  down KEY, up KEY a key pressed or released: Left Up Right Down Space Tab Esc Enter Insert F1..F12\n"
    "  press KEY        down, one frame, up\n"
    "  walk X Y         walk and dig the shortest way to cell (X, Y), holding the arrows; enters earth,\n"
    "                   tunnel, gold, minerals, hearts and pickups on the way (anything at X, Y),\n"
    "                   never steps down from under something that falls, waits while the way is\n"
    "                   blocked; fails when stuck or when the digger dies\n"
    "  step KEY [N]     hold an arrow until the digger has moved N cells (default 1), e.g. to push\n"
    "  until won [N]    run frames until the level is won (at most N frames, default 20000); fails\n"
    "                   when the digger dies first or time runs out\n"
    "  until dead [N]   run frames until the digger is dead (at most N frames, default 3000); fails\n"
    "                   when the level is won first or time runs out\n"
    "  until frame N    run frames until N frames have run in all, or the level is won or lost\n"
    "  state            one JSON line with the game's state\n"
    "  cells            one JSON line with every cell's kind and parameter\n"
    "  shot FILE.png    the 800 x 600 back buffer as a picture\n"
    "  digest           one JSON line with a fingerprint of the back buffer's pixels\n"
    "walk and step end with the digger at rest. A failed command ends the script with status 2 and\n"
    "writes the game's state after the error.\n";

class LevelSim {
public:
    LevelSim(int speed, std::ostream& out, std::ostream& err) : speed_(speed), out_(out), err_(err) {}

    // Why the game's pictures could not be loaded, empty when they were: "shot" and "digest" then fail.
    std::string picturesMissing;

    // Runs one script line; false after telling the error stream why the line failed.
    bool command(const std::string& line, int lineNo);

    // Moves the clock one frame interval on and runs the frame when one is due.
    void frame();
    // Moves the clock to `t` (never backwards) and runs the frame when one is due.
    void tick(Ticks t);
    void keyDown(const std::string& key);
    void keyUp(const std::string& key);
    // One JSON line with the game's state, on the output or on `to`.
    void state();
    void state(std::ostream& to);
    void cells();

    bool won() const;
    bool dead() const;
    long frames() const { return frames_; }

    ManualClock clock{0};

    // While set, every frame and the action of every key are recorded into it, up to the frame that
    // ends the attempt (a win or the digger's death); `attemptEnd` then says how it ended.
    ReplayRecorder* recorder = nullptr;
    std::optional<ReplayEnd> attemptEnd;

private:
    void runDueFrame();
    bool walk(int x, int y);
    bool step(const std::string& key, long cells);
    bool until(const std::string& what, long limit);
    void releaseArrows();
    // Holds `key` as the only arrow.
    void holdArrow(const std::string& key);

    int speed_;
    std::ostream& out_;
    std::ostream& err_;
    long frames_ = 0;
    std::string heldArrow_;
};

} // namespace burrowix
