// What recording an attempt costs. First the game frame (RunGameFrame on a shipped level source,
// headless, the digger walking to and fro) with the attempt's recording on and off, alternating
// blocks of frames so that both see the same machine load: the median ms per frame of each. Then
// the recorder alone: ns per frame and per input change. Last the file: a ten-minute attempt at the
// default speed with an input change every 12 frames on average (arrows, fire, weapon changes) and
// a frame step that wanders on a given share of the frames: bytes per change and the file's size.
// Argument 1: a level source (default data/levels/pack1/1.txt, from the top of the checkout).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/game_frame.hpp"
#include "app/game_keys.hpp"
#include "app/headless_game.hpp"
#include "app/pack_catalogue.hpp"
#include "app/replay_recording.hpp"
#include "common/random.hpp"
#include "platform/display/display.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/key_bindings.hpp"
#include "world/digger.hpp"
#include "world/level_source.hpp"
#include "world/replay_file.hpp"
#include "world/world.hpp"

namespace {

using namespace burrowix;
using Clock = std::chrono::steady_clock;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// One frame's input: the arrow held changes every 40 frames, a fire now and then.
void input(int frame)
{
    if (frame % 40 == 0) {
        gameActionUp(ActionLeft);
        gameActionUp(ActionRight);
        gameActionDown(frame / 40 % 2 ? ActionLeft : ActionRight);
    }
    if (frame % 97 == 0) {
        gameActionDown(ActionFire);
        gameActionUp(ActionFire);
    }
}

void gameFrameCost(const std::string& source)
{
    std::ifstream in(source, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string why;
    const std::optional<LevelFile> level = parseLevelSource(text, why);
    if (!level) {
        std::printf("%s: %s\n", source.c_str(), why.c_str());
        return;
    }
    resetGameState();
    openGameHeadless("/nonexistent", 1);
    theCatalogue.difficulty = 1;
    startHeadlessLevel(*level, 0, 25);
    constexpr int kBlock = 200, kBlocks = 30;
    std::vector<double> on, off;
    int frame = 0;
    for (int b = 0; b < kBlocks; ++b) {
        const bool recording = b % 2 == 0;
        attemptRecording.active = recording;
        for (int i = 0; i < kBlock; ++i, ++frame) {
            input(frame);
            app.frameClock += 26;
            const auto t0 = Clock::now();
            RunGameFrame(theDisplay.backBuffer.get());
            if (world.theWorld && world.theDigger)
                recordFrame(*world.theWorld, world.theDigger->cellIndex(*world.theWorld), true, app.frameClock);
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            (recording ? on : off).push_back(ms);
        }
    }
    std::printf("game frame, recording on:  median %.4f ms (%zu frames)\n", median(on), on.size());
    std::printf("game frame, recording off: median %.4f ms (%zu frames)\n", median(off), off.size());
    closeGameHeadless();
}

void recorderCost()
{
    constexpr int kFrames = 2'000'000;
    ReplayRecorder r(15);
    const auto t0 = Clock::now();
    for (int f = 0; f < kFrames; ++f) {
        if (f % 12 == 0)
            r.press(f / 12 % 4);
        r.frameRan(f % 50 == 0 ? 27 : 26);
    }
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - t0).count();
    std::printf("recorder: %.2f ns per frame with a change every 12 frames (%zu changes)\n", ns / kFrames,
                r.changes().size());
}

void fileSize(int wanderPercent)
{
    constexpr int kFrames = 10 * 60 * 1000 / 26; // ten minutes at game speed 15
    Replay replay;
    replay.header.gameSpeed = 15;
    ReplayRecorder r(15);
    std::uint32_t seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % std::uint32_t(n));
    };
    int held = -1;
    std::size_t inputChanges = 0;
    for (int f = 0; f < kFrames; ++f) {
        if (next(12) == 0) {
            const int what = next(10);
            if (what < 7) {
                if (held >= 0)
                    r.release(held);
                held = next(4);
                r.press(held);
                inputChanges += 2;
            } else {
                const int action = what == 7 ? ActionFire : what == 8 ? ActionNextWeapon : ActionShots;
                r.press(action);
                r.release(action);
                inputChanges += 2;
            }
        }
        r.frameRan(next(100) < wanderPercent ? 26 + 1 - 2 * next(2) : 26);
    }
    replay.header.frames = r.frames();
    replay.changes = r.changes();
    const std::size_t bytes = encodeReplay(replay).size();
    std::printf("10 min, step wandering on %2d%% of frames: %zu input changes, %zu changes in all, %zu bytes "
                "(%.2f bytes per input change)\n",
                wanderPercent, inputChanges, replay.changes.size(), bytes, double(bytes) / double(inputChanges));
}

} // namespace

int main(int argc, char** argv)
{
    const std::string source = argc > 1 ? argv[1] : "data/levels/pack1/1.txt";
    gameFrameCost(source);
    recorderCost();
    for (int wander : {0, 5, 20})
        fileSize(wander);
    return 0;
}
