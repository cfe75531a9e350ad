#include "app/replay_store.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#include "records/records.hpp"

namespace burrowix {

std::string replayFolder()
{
    const std::filesystem::path progress(theRecords.progressPath);
    return (progress.parent_path() / "replays").string();
}

std::string bestReplayPath(int pack, int levelIndex)
{
    return replayFolder() + "/" + std::to_string(pack) + "-" + std::to_string(levelIndex + 1) + ".rpl";
}

std::string ownSolutionPath(std::uint64_t levelHash)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(levelHash));
    return replayFolder() + "/own-" + hex + ".rpl";
}

std::string keptReplayPath(const ReplayHeader& h)
{
    return h.pack == kOwnLevelReplayPack ? ownSolutionPath(h.levelHash) : bestReplayPath(h.pack, h.level);
}

std::optional<Replay> readOwnSolution(std::uint64_t levelHash, std::string* error)
{
    return readReplayFile(ownSolutionPath(levelHash), levelHash, error);
}

bool beatsBest(const ReplayHeader& candidate, const std::optional<ReplayHeader>& best)
{
    if (candidate.result != ReplayResult::Won)
        return false;
    if (!best || best->result != ReplayResult::Won)
        return true;
    const std::int32_t points = levelPoints(candidate), bestPoints = levelPoints(*best);
    return points > bestPoints || (points == bestPoints && candidate.frames < best->frames);
}

std::optional<Replay> readBestReplay(int pack, int levelIndex, std::optional<std::uint64_t> levelHash,
                                     std::string* error)
{
    return readReplayFile(bestReplayPath(pack, levelIndex), levelHash, error);
}

bool keepIfBest(const Replay& replay)
{
    const ReplayHeader& h = replay.header;
    const std::string path = keptReplayPath(h);
    std::optional<ReplayHeader> best;
    if (std::optional<Replay> stored = readReplayFile(path, h.levelHash))
        best = stored->header;
    if (!beatsBest(h, best))
        return false;
    if (::mkdir(replayFolder().c_str(), 0777) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "burrowix: the replay %s is not saved: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    if (!writeReplayFile(path, replay)) {
        std::fprintf(stderr, "burrowix: the replay %s is not saved: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

std::string replayPlayerName()
{
    const HallOfFame& table = theRecords.hallOfFame;
    const std::int32_t row = table.highlight;
    if (row >= 0 && std::size_t(row) < table.entries.size() && !table.entries[std::size_t(row)].name.empty())
        return table.entries[std::size_t(row)].name.substr(0, kMaxReplayName);
    return "Player";
}

} // namespace burrowix
