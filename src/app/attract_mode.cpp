#include "app/attract_mode.hpp"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/pack_catalogue.hpp"
#include "app/replay_watching.hpp"
#include "app/screen_flow.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/replay_file.hpp"

namespace burrowix {

namespace {

namespace fs = std::filesystem;

struct AttractMode {
    bool scanned = false;
    std::vector<std::string> replays; ///< by pack, then level
    std::size_t turn = 0;             ///< the replay played next
    Ticks idleSince = 0;              ///< the last input, or when the main menu was not current
    bool playing = false;
    // The level choice as the player left it, put back after the replay.
    std::int32_t difficulty = 0;
    bool ownPackSelected = false;
    std::int32_t levelNumber = 0;
};

AttractMode attract;

// The number a name carries after `prefix` ("pack2" -> 2, "17.rpl" -> 17); nothing otherwise.
std::optional<int> numberIn(const std::string& name, const std::string& prefix, const std::string& suffix)
{
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return std::nullopt;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(digits);
}

// The replays under "replays/packP/N.rpl" beside the packs, in the order of pack and level.
std::vector<std::string> findReplays()
{
    const fs::path root = fs::path(theCatalogue.folder.empty() ? "." : theCatalogue.folder) / "replays";
    std::vector<std::pair<std::pair<int, int>, std::string>> found;
    std::error_code ec;
    for (const fs::directory_entry& pack : fs::directory_iterator(root, ec)) {
        const std::optional<int> p = numberIn(pack.path().filename().string(), "pack", "");
        if (!p || !pack.is_directory(ec))
            continue;
        std::error_code inner;
        for (const fs::directory_entry& file : fs::directory_iterator(pack.path(), inner))
            if (const std::optional<int> n = numberIn(file.path().filename().string(), "", ".rpl");
                n && file.is_regular_file(inner))
                found.push_back({{*p, *n}, file.path().string()});
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (auto& entry : found)
        paths.push_back(std::move(entry.second));
    return paths;
}

// The level choice the player left, chosen again (its preview level rebuilt with it).
void restoreLevelChoice()
{
    theCatalogue.ownPackSelected = false;
    theCatalogue.difficulty = attract.difficulty;
    screenFlow.levelNumber = attract.levelNumber;
    theCatalogue.selectLevelPackByNumber();
    theCatalogue.ownPackSelected = attract.ownPackSelected;
}

void endAttractReplay()
{
    attract.playing = false;
    restoreLevelChoice();
    SetScreen(ScreenMainMenu);
}

// Selects the replay's level pack; false when the data holds no pack of its number.
bool selectPackOf(const ReplayHeader& h)
{
    theCatalogue.ownPackSelected = false;
    theCatalogue.difficulty = h.pack;
    theCatalogue.selectLevelPackByNumber();
    const PackInfo* pack = theCatalogue.selectedLevelPackInfo();
    theCatalogue.difficulty = h.difficulty;
    return pack && pack->packNumber == h.pack;
}

// Plays the next replay that reads and loads, trying each at most once.
void startNextReplay()
{
    attract.difficulty = theCatalogue.difficulty;
    attract.ownPackSelected = theCatalogue.ownPackSelected;
    attract.levelNumber = screenFlow.levelNumber;
    for (std::size_t tries = 0; tries < attract.replays.size(); ++tries) {
        const std::string& path = attract.replays[attract.turn++ % attract.replays.size()];
        const std::optional<Replay> replay = readReplayFile(path);
        if (!replay)
            continue;
        if (!selectPackOf(replay->header)) {
            restoreLevelChoice();
            continue;
        }
        attract.playing = true;
        if (startReplayPlayback(*replay, ReplayEnding{endAttractReplay, "Any key ends it"}))
            return;
        // The failed start went back to the main menu through endAttractReplay.
    }
}

bool idleScreen()
{
    return app.currentScreen == ScreenMainMenu && !replayIsPlaying();
}

} // namespace

bool attractInput(const Message& message)
{
    bool ends = false;
    switch (message.type) {
    case MessageType::MouseMove:
        if (message.pointerStill())
            return false;
        break;
    case MessageType::KeyDown:
    case MessageType::LeftButtonDown:
    case MessageType::RightButtonDown: ends = true; break;
    case MessageType::MouseWheel: break;
    default: return false;
    }
    if (app.clock)
        attract.idleSince = app.clock->ticks() - app.pausedTicks;
    if (!ends || !attract.playing || !replayIsPlaying())
        return false;
    stopReplayPlayback();
    return true;
}

int msUntilAttract(Ticks clock, int limit)
{
    if (!idleScreen() || (attract.scanned && attract.replays.empty()))
        return limit;
    const std::int64_t wait = std::int64_t(kAttractIdleTime) + 1 - std::int32_t(clock - attract.idleSince);
    return int(std::clamp<std::int64_t>(wait, 0, limit));
}

void runAttractMode(Ticks clock)
{
    if (!idleScreen()) {
        attract.idleSince = clock;
        return;
    }
    if (!elapsedMoreThan(clock, attract.idleSince, kAttractIdleTime))
        return;
    // Whether or not one starts, the next try is a whole idle time away.
    attract.idleSince = clock;
    if (!attract.scanned) {
        attract.replays = findReplays();
        attract.scanned = true;
    }
    if (!attract.replays.empty())
        startNextReplay();
}

bool attractIsPlaying()
{
    return attract.playing && replayIsPlaying();
}

void resetAttractMode()
{
    attract = AttractMode{};
}

} // namespace burrowix
