#pragma once
// Replays in burrowix-sim: a scripted run recorded as a replay (`level ... --record-replay FILE`),
// every shipped solution recorded at once (`record-solutions`), and a replay played headless with
// its recorded end checked (`replay FILE`).

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "sim_runner.hpp"
#include "world/replay_file.hpp"

namespace burrowix {

class LevelSim;
struct LevelFile;

// How an attempt at a level ended: what a replay's header holds to check a playback against.
struct ReplayEnd {
    ReplayResult result = ReplayResult::Unfinished;
    std::int32_t score = 0;
    std::uint32_t frames = 0;
    std::uint64_t gridHash = 0;

    bool operator==(const ReplayEnd&) const = default;
};

// The end of the attempt `sim` plays now (won, the digger dead, or neither yet).
ReplayEnd currentReplayEnd(const LevelSim& sim);
// One line saying where `played` differs from `recorded`; "" when it does not.
std::string replayEndDifference(const ReplayEnd& recorded, const ReplayEnd& played);

// The header of a replay of the level just set up (the world, the records, the catalogue's
// difficulty and the frame interval as they stand), made as `recording` says.
ReplayHeader startOfReplay(const LevelFile& level, const ReplayRecording& recording);
// Completes `replay` with the changes of `sim`'s recorder and the attempt's end, and writes it to
// `path`; false after telling `err` why it cannot be written.
bool finishReplay(Replay& replay, const LevelSim& sim, const std::string& path, std::ostream& err);

// `replay FILE [--data DIR] [--sound on|off] [--level LEVEL]` (LEVEL: the level file or source of a
// replay of an own level, which no pack holds): 0 when the replay ends as recorded, 1 when it does
// not (with a line saying what differed), 2 when it cannot be played.
int runReplaySim(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// `record-solutions LEVELS OUTDIR`: plays LEVELS/packP/N.solution on LEVELS/packP/N.txt (pack P at
// difficulty P, as level N) and writes each as OUTDIR/packP/N.rpl; a solution that does not win is
// recorded all the same and named on `err`. 2 when a level cannot be read or a file written.
int runRecordSolutions(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace burrowix
