#pragma once
// Plays a replay's input into the game screen frame by frame: before each frame the presses and
// releases recorded for it go to the game screen's actions, as the keys did when it was recorded,
// and the frame's clock step is told to whoever runs the frames.

#include <cstdint>

#include "world/replay_file.hpp"

namespace burrowix {

class ReplayPlayback {
public:
    explicit ReplayPlayback(const Replay& replay);

    // Hands the changes due before the next frame to the game screen; the ms that frame runs after
    // the last one (or after the level's set-up). Call it only while not finished().
    std::uint32_t beforeFrame();

    bool finished() const { return frame_ >= replay_.header.frames; }
    // Frames handed out so far.
    std::uint32_t frame() const { return frame_; }

private:
    const Replay& replay_;
    std::size_t next_ = 0;
    std::uint32_t frame_ = 0;
    std::uint32_t step_;
};

} // namespace burrowix
