#pragma once
// A replay: one attempt at a level as the game's actions frame by frame, with what it started from
// and how it ended. Actions rather than keys are stored, so rebinding the keys never changes a replay.
//
// The file, little-endian:
//   "BXRP", u16 version (1), u64 level content hash, u8 pack, u8 level index, u8 difficulty,
//   u8 game speed, u32 seed, i64 date (seconds since 1970, UTC), u8 name length + name,
//   u8 result, i32 score, u32 frames, u64 final grid hash, i32 start score, i32 start lives,
//   i32 x 10 start ammunition, u32 input length + input bytes, and nothing after them.
// The input is a list of changes, each the run of frames that ran unchanged before it and what
// changed: an action pressed or released, or the frame step (the ms from one frame's clock to the
// next, at first the game speed's step). One byte holds the run (0..6; 7 means a count follows),
// the release bit and the code (0..12 the actions, 14 the end, 15 a new step, which follows). The
// end's run takes the count to the replay's frames. Counts are unsigned LEB128.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/hall_of_fame.hpp"

namespace burrowix {

struct LevelFile;
class World;

inline constexpr std::uint16_t kReplayVersion = 1;
// The actions a replay holds: the moves, fire, next weapon, the five weapons, the HUD and giving up
// (the first GameAction values; pausing leaves no trace in the rules).
inline constexpr int kReplayActions = 13;

enum class ReplayResult : std::uint8_t { Won = 0, Died = 1, Unfinished = 2 };

struct ReplayHeader {
    std::uint64_t levelHash = 0; ///< levelContentHash of the level played
    int pack = 0;                ///< the level pack's number
    int level = 0;               ///< the level's index in its pack, from 0
    int difficulty = 0;          ///< 0..2
    int gameSpeed = 10;          ///< 10..19
    std::uint32_t seed = 1;      ///< the seed of the rules' generator
    std::int64_t date = 0;       ///< when it was played, seconds since 1970 (UTC)
    std::string player;          ///< at most kMaxReplayName bytes
    ReplayResult result = ReplayResult::Unfinished;
    std::int32_t score = 0;      ///< the running score at the end
    std::uint32_t frames = 0;    ///< frames played
    std::uint64_t gridHash = 0;  ///< gridHash of the world at the end
    std::int32_t startScore = 0; ///< the running record the level started with
    std::int32_t startLives = 0;
    std::array<std::int32_t, HallOfFame::kWeapons> startAmmunition{};

    bool operator==(const ReplayHeader&) const = default;
};

inline constexpr std::size_t kMaxReplayName = 99;

// One change of the input, before frame `frame` (counted from 0) runs.
struct ReplayChange {
    enum Kind : std::uint8_t { Press, Release, Step };
    std::uint32_t frame = 0;
    Kind kind = Press;
    std::uint32_t value = 0; ///< the action (Press, Release) or the new frame step in ms (Step)

    bool operator==(const ReplayChange&) const = default;
};

struct Replay {
    ReplayHeader header;
    std::vector<ReplayChange> changes; ///< in the order they happened, frames never decreasing

    bool operator==(const Replay&) const = default;
};

// The ms from one frame's clock to the next at a game speed, as the frame loop runs them.
inline int nominalFrameStep(int gameSpeed) { return 41 - gameSpeed; }

// The bytes of a replay file. The changes must be ordered by frame; those from header.frames on
// are left out, since no frame runs after them.
std::vector<std::uint8_t> encodeReplay(const Replay& replay);

// Reads a replay file; nullopt with the reason in `error` when given: not a replay, another
// version, a header value out of range, the bytes end early or go on after the end, an unknown
// change, runs that do not add up to the frame count, or, when `levelHash` is given, a replay of
// another level.
std::optional<Replay> parseReplay(std::span<const std::uint8_t> bytes, std::optional<std::uint64_t> levelHash = {},
                                  std::string* error = nullptr);

// Reads the file at `path` (at most a few megabytes); as parseReplay, or the system's reason.
std::optional<Replay> readReplayFile(const std::string& path, std::optional<std::uint64_t> levelHash = {},
                                     std::string* error = nullptr);
// Replaces the file at `path` atomically; false (errno set) when it cannot be written.
bool writeReplayFile(const std::string& path, const Replay& replay);

// A fingerprint of a level's content (FNV-1a over its file's bytes): any change of a cell, a block,
// the start or a goal gives another.
std::uint64_t levelContentHash(const LevelFile& level);
// A fingerprint of the grid (size, every cell's kind and parameter) and the digger's cell.
std::uint64_t gridHash(const World& w, int diggerCell);

// Collects a replay's changes while it is played; each call costs a comparison or two.
class ReplayRecorder {
public:
    explicit ReplayRecorder(int gameSpeed = 10) : step_(std::uint32_t(nominalFrameStep(gameSpeed))) {}

    // An action pressed or released before the next frame; actions outside the replay's are ignored.
    void press(int action) { add(ReplayChange::Press, action); }
    void release(int action) { add(ReplayChange::Release, action); }
    // A frame ran `step` ms after the last (or after the level's set-up).
    void frameRan(std::uint32_t step)
    {
        if (step != step_) {
            step_ = step;
            changes_.push_back({frames_, ReplayChange::Step, step_});
        }
        ++frames_;
    }

    std::uint32_t frames() const { return frames_; }
    const std::vector<ReplayChange>& changes() const { return changes_; }

private:
    void add(ReplayChange::Kind kind, int action)
    {
        if (action >= 0 && action < kReplayActions)
            changes_.push_back({frames_, kind, std::uint32_t(action)});
    }

    std::uint32_t step_;
    std::uint32_t frames_ = 0;
    std::vector<ReplayChange> changes_;
};

} // namespace burrowix
