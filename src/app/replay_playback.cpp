#include "app/replay_playback.hpp"

#include "app/game_keys.hpp"
#include "state/key_bindings.hpp"

namespace burrowix {

static_assert(kReplayActions == ActionGiveUp + 1, "a replay holds the game actions up to giving up");

ReplayPlayback::ReplayPlayback(const Replay& replay)
    : replay_(replay), step_(std::uint32_t(nominalFrameStep(replay.header.gameSpeed)))
{
}

std::uint32_t ReplayPlayback::beforeFrame()
{
    const std::vector<ReplayChange>& changes = replay_.changes;
    for (; next_ < changes.size() && changes[next_].frame <= frame_; ++next_) {
        const ReplayChange& c = changes[next_];
        if (c.kind == ReplayChange::Step)
            step_ = c.value;
        else if (c.kind == ReplayChange::Press)
            replayActionDown(int(c.value));
        else
            gameActionUp(int(c.value));
    }
    ++frame_;
    return step_;
}

} // namespace burrowix
