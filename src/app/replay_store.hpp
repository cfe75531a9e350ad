#pragma once
// The best replay of each level, one file per pack and level in "replays/" beside the level
// progress ("li.dat", in the player folder): a win replaces it when it scores more points on the
// level, or as many in fewer frames. A level of the player's own (the editor's) keeps its solution
// the same way, under its content fingerprint ("replays/own-HASH.rpl"), since it belongs to no
// shipped pack and may be changed and saved again at any time.

#include <optional>
#include <string>

#include "world/replay_file.hpp"

namespace burrowix {

// The folder of the best replays: "replays" in the folder of the level progress file.
std::string replayFolder();

// "replays/P-L.rpl" in that folder, for pack P and the 1-based level number L.
std::string bestReplayPath(int pack, int levelIndex);

// The pack number a replay of one of the player's own levels carries: no shipped pack has it.
inline constexpr int kOwnLevelReplayPack = 255;

// "replays/own-HASH.rpl" in the replay folder, HASH the level's content fingerprint in 16 hex digits.
std::string ownSolutionPath(std::uint64_t levelHash);

// Where `h`'s replay is kept: the own solution of its level or the best replay of its pack's level.
std::string keptReplayPath(const ReplayHeader& h);

// The kept solution of the own level of content fingerprint `levelHash`; as readBestReplay.
std::optional<Replay> readOwnSolution(std::uint64_t levelHash, std::string* error = nullptr);

// The points a replay's level brought (its end score less the score it started with).
inline std::int32_t levelPoints(const ReplayHeader& h) { return h.score - h.startScore; }

// True when `candidate` is a win that should replace `best` (none yet counts as beaten).
bool beatsBest(const ReplayHeader& candidate, const std::optional<ReplayHeader>& best);

// The stored best replay of a level; nullopt when there is none or it does not read (another
// level's, damaged, another version), with the reason in `error` when given.
std::optional<Replay> readBestReplay(int pack, int levelIndex, std::optional<std::uint64_t> levelHash = {},
                                     std::string* error = nullptr);

// Saves `replay` as its level's best (or own solution) when it beats the stored one; true when it
// was written. A failed write is reported on standard error and keeps the old file.
bool keepIfBest(const Replay& replay);

// The name a replay is stored under: the newest hall-of-fame entry's, or "Player".
std::string replayPlayerName();

} // namespace burrowix
