#include "menus/level_choice_best.hpp"

#include <cstdio>
#include <optional>
#include <string>

#include "app/level_start.hpp"
#include "app/pack_catalogue.hpp"
#include "app/replay_watching.hpp"
#include "app/replay_store.hpp"
#include "app/screen_widgets.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/replay_file.hpp"

namespace burrowix {

namespace {

constexpr const char* kWatchButton = "ImageWatch";
constexpr std::uint32_t kTitleColor = 0x3CAFD2; // the menus' label colour
constexpr std::uint32_t kValueColor = 0xFFFFFF;
constexpr int kColumnX = 112, kTitleY = 330;

struct LevelBest {
    bool read = false;
    int pack = -1, level = -1;
    std::uint64_t levelHash = 0;
    std::optional<Replay> replay;
};

LevelBest best;

// The best replay of the level the preview shows, read once per level.
const std::optional<Replay>& selectedBest()
{
    const int pack = theCatalogue.currentPackNumber, level = screenFlow.levelNumber;
    const std::uint64_t hash = startedLevelHash();
    if (!best.read || best.pack != pack || best.level != level || best.levelHash != hash) {
        best = LevelBest{true, pack, level, hash, std::nullopt};
        // An own level shows its kept solution, found by the level's content.
        if (hash != 0)
            best.replay = theCatalogue.ownPackSelected ? readOwnSolution(hash) : readBestReplay(pack, level, hash);
    }
    return best.replay;
}

// m:ss.t of a replay's frames, from its frame steps.
std::string playTime(const Replay& r)
{
    std::uint64_t ms = 0, step = std::uint64_t(nominalFrameStep(r.header.gameSpeed));
    std::uint32_t frame = 0;
    for (const ReplayChange& c : r.changes) {
        if (c.kind != ReplayChange::Step)
            continue;
        ms += std::uint64_t(c.frame - frame) * step;
        frame = c.frame;
        step = c.value;
    }
    ms += std::uint64_t(r.header.frames - frame) * step;
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02llu.%llu", (unsigned long long)(ms / 60000),
                  (unsigned long long)(ms / 1000 % 60), (unsigned long long)(ms / 100 % 10));
    return text;
}

} // namespace

void drawLevelBest(Surface* back)
{
    const std::optional<Replay>& r = selectedBest();
    if (!r) {
        hideWidget(kWatchButton);
        return;
    }
    showWidget(kWatchButton);
    const std::string points = std::to_string(levelPoints(r->header)) + " points";
    const std::string time = playTime(*r);
    drawText(kFontSmall, 0, 1, kAlignCentre, kAlignCentre, back, kColumnX, kTitleY, "Best", kTitleColor);
    drawText(kFontSmall, 0, 1, kAlignCentre, kAlignCentre, back, kColumnX, kTitleY + 26, points.c_str(), kValueColor);
    drawText(kFontSmall, 0, 1, kAlignCentre, kAlignCentre, back, kColumnX, kTitleY + 50, time.c_str(), kValueColor);
}

void watchBestReplay()
{
    const std::optional<Replay> r = selectedBest();
    if (r && !replayIsPlaying()) {
        hideWidget(kWatchButton);
        startReplayPlayback(*r);
    }
}

void forgetLevelBest()
{
    best = LevelBest{};
}

} // namespace burrowix
