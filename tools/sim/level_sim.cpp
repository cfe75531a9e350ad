#include "level_sim.hpp"

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <vector>

#include "state/app_state.hpp"
#include "app/game_frame.hpp"
#include "app/game_keys.hpp"
#include "state/game_screen_state.hpp"
#include "state/key_bindings.hpp"
#include "app/level_presentation.hpp"
#include "state/level_presentation_state.hpp"
#include "app/pack_catalogue.hpp"
#include "records/records.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "png_file.hpp"
#include "screen_digest.hpp"
#include "script_file.hpp"
#include "script_keys.hpp"
#include "walk_planner.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

const char* const kArrowNames[4] = {"Left", "Up", "Right", "Down"};

// Frames a scripted move may wait for the digger to leave its cell before it gives up: long enough for a turn, a push,
// a passing stone or a view glide.
constexpr long kStuckFrames = 200;
// Frames `until won` and `until dead` run at most unless the script names their own limit. A death
// that a script waits for comes from something already on its way (a falling stone, an enemy near
// by, a lit fuse): 3,000 frames are a minute and a half of play, so a script that waits for one in
// vain fails in a second or two instead of twenty frames' worth of minutes.
constexpr long kUntilWonLimit = 20000;
constexpr long kUntilDeadLimit = 3000;

bool isNumber(const std::string& s)
{
    return !s.empty() && s.size() < 10 && s.find_first_not_of("0123456789") == std::string::npos;
}

int arrowOfName(const std::string& key)
{
    for (int d = 0; d < 4; ++d)
        if (key == kArrowNames[d])
            return d;
    return -1;
}

} // namespace

void LevelSim::frame()
{
    clock.advance(std::uint32_t(41 - speed_));
    runDueFrame();
}

void LevelSim::tick(Ticks t)
{
    if (t > clock.ticks())
        clock.set(t);
    runDueFrame();
}

void LevelSim::runDueFrame()
{
    app.frameClock = clock.ticks();
    if (!elapsedMoreThan(app.frameClock, app.lastFrameTime, app.frameInterval))
        return;
    const Ticks step = app.frameClock - app.lastFrameTime;
    app.lastFrameTime = app.frameClock;
    ++frames_;
    Surface* back = theDisplay.backBuffer.get();
    const Rect clearPixel{0, 0, 1, 1};
    blitStretch(back, nullptr, app.clearPicture, &clearPixel, false);
    RunGameFrame(back);
    presentFrame(theDisplay);
    if (recorder && !attemptEnd) {
        recorder->frameRan(step);
        if (won() || dead())
            attemptEnd = currentReplayEnd(*this);
    }
}

void LevelSim::keyDown(const std::string& key)
{
    if (recorder && !attemptEnd)
        recorder->press(keyBindings.actionOf(scriptKeyCode(key)));
    gameScreenKeyDown(Message{MessageType::KeyDown, scriptKeyCode(key), 0});
}

void LevelSim::keyUp(const std::string& key)
{
    if (recorder && !attemptEnd)
        recorder->release(keyBindings.actionOf(scriptKeyCode(key)));
    gameKeyUp(Message{MessageType::KeyUp, scriptKeyCode(key), 0});
}

bool LevelSim::won() const
{
    return levelPresentation.levelEnding != 0;
}

bool LevelSim::dead() const
{
    return (world.theWorld && world.theWorld->diggerDead) || (world.theDigger && world.theDigger->dead);
}

void LevelSim::state()
{
    state(out_);
}

void LevelSim::state(std::ostream& to)
{
    const World& w = *world.theWorld;
    const Digger& d = *world.theDigger;
    const HallOfFame& live = theRecords.hallOfFame;
    std::ostringstream s;
    s << "{\"frame\":" << frames_ << ",\"clock\":" << app.frameClock << ",\"frozen\":" << gameScreen.frozen
      << ",\"difficulty\":" << theCatalogue.difficulty << ",\"score\":" << live.score << ",\"lives\":" << live.lives
      << ",\"ammunition\":[";
    for (std::size_t i = 0; i < live.ammunition.size(); ++i)
        s << (i ? "," : "") << live.ammunition[i];
    s << "],\"digger\":{\"x\":" << d.x << ",\"y\":" << d.y << ",\"dead\":" << d.dead << ",\"pose\":" << d.pose
      << ",\"health\":" << d.health << ",\"superMode\":" << d.superMode << ",\"direction\":" << d.direction
      << ",\"facing\":" << d.facing << ",\"moving\":" << d.moving << ",\"goldCollected\":" << d.goldCollected
      << ",\"enemiesKilled\":" << d.enemiesKilled << "},\"world\":{\"width\":" << w.width << ",\"height\":" << w.height
      << ",\"viewX\":" << w.viewX << ",\"viewY\":" << w.viewY << ",\"goldRemaining\":" << w.goldRemaining
      << ",\"enemiesAlive\":" << w.enemiesAlive << ",\"enemiesAtStart\":" << w.enemiesAtStart
      << ",\"levelFinished\":" << w.levelFinished << ",\"diggerDead\":" << w.diggerDead
      << "},\"levelEnding\":" << levelPresentation.levelEnding << "}";
    to << s.str() << '\n';
}

void LevelSim::cells()
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

void LevelSim::releaseArrows()
{
    if (!heldArrow_.empty())
        keyUp(heldArrow_);
    heldArrow_.clear();
}

void LevelSim::holdArrow(const std::string& key)
{
    if (heldArrow_ == key)
        return;
    releaseArrows();
    keyDown(key);
    heldArrow_ = key;
}

// Lets the last glide of the digger and the view end, so the next command starts from rest.
static void settle(LevelSim& sim)
{
    for (long f = 0;
         f < kStuckFrames && !sim.won() && !sim.dead() && (world.theDigger->moving || world.theWorld->scrolling); ++f)
        sim.frame();
}

bool LevelSim::walk(int tx, int ty)
{
    World& w = *world.theWorld;
    if (tx < 0 || ty < 0 || tx >= w.width || ty >= w.height) {
        err_ << "walk " << tx << ' ' << ty << ": outside the level\n";
        return false;
    }
    const int target = w.indexOf(tx, ty);
    int lastCell = -1;
    long stuck = 0;
    while (!won()) {
        const Digger& d = *world.theDigger;
        if (dead()) {
            releaseArrows();
            err_ << "walk " << tx << ' ' << ty << ": the digger died at frame " << frames_ << '\n';
            return false;
        }
        const int here = d.cellIndex(w);
        if (here == target)
            break;
        if (here != lastCell) {
            lastCell = here;
            stuck = 0;
        }
        if (++stuck > kStuckFrames) {
            releaseArrows();
            err_ << "walk " << tx << ' ' << ty << ": stuck at " << d.x << ' ' << d.y << " (frame " << frames_ << ")\n";
            return false;
        }
        bool found = false;
        const std::vector<int> path = planWalk(w, here, target, found);
        if (found)
            holdArrow(kArrowNames[path.front()]);
        else
            releaseArrows(); // something in the way may still move off
        frame();
    }
    releaseArrows();
    settle(*this);
    return true;
}

bool LevelSim::step(const std::string& key, long cells)
{
    long moved = 0, stuck = 0;
    int lastCell = world.theDigger->cellIndex(*world.theWorld);
    while (moved < cells && !won() && !dead()) {
        holdArrow(key);
        frame();
        const int here = world.theDigger->cellIndex(*world.theWorld);
        if (here != lastCell) {
            lastCell = here;
            ++moved;
            stuck = 0;
        } else if (++stuck > kStuckFrames) {
            releaseArrows();
            err_ << "step " << key << ' ' << cells << ": stuck after " << moved << " (frame " << frames_ << ")\n";
            return false;
        }
    }
    releaseArrows();
    settle(*this);
    return true;
}

bool LevelSim::until(const std::string& what, long limit)
{
    // Every wait ends with the run: a won level or a dead digger does not move on.
    const long end = what == "frame" ? limit : frames_ + (limit > 0 ? limit : what == "dead" ? kUntilDeadLimit : kUntilWonLimit);
    while (frames_ < end && !won() && !dead())
        frame();
    if (what == "frame" || (what == "won" && won()) || (what == "dead" && dead()))
        return true;
    err_ << "until " << what << ": not reached by frame " << frames_ << '\n';
    return false;
}

bool LevelSim::command(const std::string& text, int lineNo)
{
    std::string line = text;
    if (const std::size_t hash = line.find('#'); hash != std::string::npos)
        line.resize(hash);
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;)
        w.push_back(word);
    if (w.empty())
        return true;
    const std::string& c = w[0];
    const std::size_t n = w.size();
    bool ok = true;
    if ((c == "frames" || c == "until") && n >= 2 && isNumber(w[n - 1]) && std::atol(w[n - 1].c_str()) > kMaxScriptFrames) {
        err_ << "line " << lineNo << ": \"" << text << "\": at most " << kMaxScriptFrames << " frames\n";
        return false;
    }
    if (c == "frames" && n == 2 && isNumber(w[1])) {
        for (long f = std::atol(w[1].c_str()); f > 0; --f)
            frame();
    } else if (c == "tick" && n == 2 && isNumber(w[1])) {
        tick(Ticks(std::atol(w[1].c_str())));
    } else if ((c == "down" || c == "up" || c == "press") && n == 2 && scriptKeyCode(w[1]) != 0) {
        if (c != "up")
            keyDown(w[1]);
        if (c == "press")
            frame();
        if (c != "down")
            keyUp(w[1]);
    } else if (c == "state" && n == 1) {
        state();
    } else if (c == "cells" && n == 1) {
        cells();
    } else if ((c == "digest" && n == 1) || (c == "shot" && n == 2)) {
        if (!picturesMissing.empty()) {
            err_ << "line " << lineNo << ": \"" << c << "\" needs the game's pictures, which cannot be loaded: "
                 << picturesMissing << '\n';
            return false;
        }
        if (c == "digest")
            out_ << screenDigestLine(*theDisplay.backBuffer) << '\n';
        else if (!writeSurfacePng(*theDisplay.backBuffer, w[1])) {
            err_ << w[1] << ": cannot write the picture\n";
            return false;
        }
    } else if (c == "walk" && n == 3 && isNumber(w[1]) && isNumber(w[2])) {
        ok = walk(std::atoi(w[1].c_str()), std::atoi(w[2].c_str()));
    } else if (c == "step" && (n == 2 || (n == 3 && isNumber(w[2]))) && arrowOfName(w[1]) >= 0) {
        ok = step(w[1], n == 3 ? std::atol(w[2].c_str()) : 1);
    } else if (c == "until" && n >= 2 && (w[1] == "won" || w[1] == "dead") && (n == 2 || (n == 3 && isNumber(w[2])))) {
        ok = until(w[1], n == 3 ? std::atol(w[2].c_str()) : 0);
    } else if (c == "until" && n == 3 && w[1] == "frame" && isNumber(w[2])) {
        ok = until(w[1], std::atol(w[2].c_str()));
    } else {
        err_ << "line " << lineNo << ": unknown command \"" << text << "\"\n";
        return false;
    }
    if (!ok) {
        err_ << "line " << lineNo << ": \"" << text << "\" failed; state: ";
        state(err_);
    }
    return ok;
}

} // namespace burrowix
