// What recording a replay costs: the time to record one frame, and the size of a 10-minute replay
// of frequent input (a key pressed or released every other frame on average, the clock late now and
// then), at the fastest game speed, where 10 minutes hold the most frames.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "world/replay_file.hpp"

using namespace burrowix;

namespace {

constexpr int kSpeed = 19;
constexpr std::uint32_t kFrames = 10 * 60 * 1000 / 22; // 10 minutes of 22 ms frames
constexpr int kRuns = 15;

// Plays the input of a busy player into `rec`: a new arrow every 6 frames (the old one released 3
// frames later), fire tapped every 8 frames, a weapon change every 100, and a frame 1 ms late every 40.
void busyPlayer(ReplayRecorder& rec)
{
    const std::uint32_t step = std::uint32_t(nominalFrameStep(kSpeed));
    int arrow = 0;
    for (std::uint32_t f = 0; f < kFrames; ++f) {
        if (f % 6 == 0) {
            arrow = (arrow + 1) % 4;
            rec.press(arrow);
        } else if (f % 6 == 3) {
            rec.release(arrow);
        }
        if (f % 8 == 0)
            rec.press(4);
        else if (f % 8 == 1)
            rec.release(4);
        if (f % 100 == 50) {
            rec.press(5);
            rec.release(5);
        }
        rec.frameRan(f % 40 == 39 ? step + 1 : step);
    }
}

} // namespace

int main()
{
    std::vector<double> perFrame;
    Replay replay;
    for (int run = 0; run < kRuns; ++run) {
        ReplayRecorder rec(kSpeed);
        const auto start = std::chrono::steady_clock::now();
        busyPlayer(rec);
        const auto end = std::chrono::steady_clock::now();
        perFrame.push_back(std::chrono::duration<double, std::nano>(end - start).count() / kFrames);
        if (run == 0)
            replay.changes = rec.changes();
    }
    std::sort(perFrame.begin(), perFrame.end());
    replay.header.gameSpeed = kSpeed;
    replay.header.frames = kFrames;
    replay.header.player = "Player";
    const std::size_t bytes = encodeReplay(replay).size();
    const std::size_t headerBytes = encodeReplay(Replay{}).size() + replay.header.player.size();
    const double perChange = double(bytes - headerBytes) / double(replay.changes.size());
    std::printf("replay_bench: recording one frame (with the input of a busy player): %.1f ns (median of %d runs)\n",
                perFrame[perFrame.size() / 2], kRuns);
    std::printf("replay_bench: 10 minutes at game speed %d: %u frames, %zu input changes (%.1f a second)\n", kSpeed,
                kFrames, replay.changes.size(), double(replay.changes.size()) / 600.0);
    std::printf("replay_bench: the replay file: %zu bytes (%.1f KB), %.2f bytes per input change\n", bytes,
                double(bytes) / 1024.0, perChange);
    return 0;
}
