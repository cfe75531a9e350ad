#include "world/level_check.hpp"


#include "world/cell_kind.hpp"

namespace burrowix {

namespace {

std::string at(std::int32_t x, std::int32_t y)
{
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

} // namespace

std::vector<std::string> checkLevel(const LevelFile& level)
{
    std::vector<std::string> problems;
    const std::int32_t w = level.width, h = level.height;
    if (w < 20 || h < 15)
        problems.push_back("the level is " + std::to_string(w) + " x " + std::to_string(h) +
                           " cells; it must be at least 20 x 15");
    if (std::int64_t(w) * h > std::int64_t(kMaxCheckedWidth) * kMaxCheckedHeight)
        problems.push_back("the level has more than " + std::to_string(kMaxCheckedWidth * kMaxCheckedHeight) +
                           " cells");
    if (level.shortFile)
        problems.push_back("the file ends early; the missing values read as 0");

    int gold = 0, enemies = 0, borderGaps = 0;
    std::string firstGap;
    for (std::int32_t y = 0; y < h; ++y) {
        for (std::int32_t x = 0; x < w; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
            const std::int32_t kind = level.kinds[i];
            const std::int32_t param = level.params[i];
            gold += kind == KindGold;
            enemies += isEnemyKind(kind);
            const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            if (border && kind != KindWall) {
                if (borderGaps++ == 0)
                    firstGap = at(x, y);
            }
            const LevelUse use = kindTraits(kind).use;
            if (kind == kindTraits(kind).kind && use == LevelUse::MadeByGame)
                problems.push_back("kind " + std::to_string(kind) + " at " + at(x, y) +
                                   " is made only by the game");
            else if (kind == kindTraits(kind).kind && use == LevelUse::GoesOffAtOnce)
                problems.push_back("kind " + std::to_string(kind) + " at " + at(x, y) +
                                   " goes off at once and has no picture of its own");
            else if (!isLevelKind(kind))
                problems.push_back("code " + std::to_string(kind) + " at " + at(x, y) + " is not a cell kind");
            else if (const KindTraits& t = kindTraits(kind); !t.paramRule.empty() && kindSymbol(kind, param) == '?')
                // The parameters a map symbol stands for are the ones with a picture.
                problems.push_back(std::string(t.paramName) + " " + std::to_string(param) + " at " + at(x, y) +
                                   std::string(t.paramRule));
        }
    }
    if (borderGaps)
        problems.push_back(std::to_string(borderGaps) + " border cells are not walls, the first at " + firstGap);

    for (std::size_t b = 0; b < level.blocks.size(); ++b)
        if (level.blocks[b] < 0 || level.blocks[b] > 4) {
            problems.push_back("background block " + std::to_string(b) + " shows picture " +
                               std::to_string(level.blocks[b]) + "; use 0..4");
            break;
        }

    const std::int32_t sx = level.startX, sy = level.startY;
    if (sx == kNoStart && sy == kNoStart) {
        problems.push_back("no start position");
    } else if (sx < 0 || sy < 0 || sx >= w || sy >= h) {
        problems.push_back("the start " + at(sx, sy) + " is outside the level");
    } else {
        if (level.kinds[std::size_t(sy) * std::size_t(w) + std::size_t(sx)] != KindEmpty)
            problems.push_back("the start cell " + at(sx, sy) + " is not empty");
        if (sx > w - 8 || sy > h - 8)
            problems.push_back("the start " + at(sx, sy) + " lies too near the right or bottom edge (the first "
                                                          "view would show cells beyond the level)");
    }

    struct Goal {
        std::int32_t on, goal;
        const char *name, *one, *many;
        int count;
    };
    for (const Goal& g : {Goal{level.goldGoalOn, level.goldGoal, "gold", "nugget", "nuggets", gold},
                          Goal{level.killGoalOn, level.killGoal, "kill", "enemy", "enemies", enemies}}) {
        const std::string name = g.name;
        if (g.on != 0 && g.on != 1)
            problems.push_back("the " + name + " goal switch is " + std::to_string(g.on) + "; only 0 and 1 can be won");
        if (g.on == 1 && g.goal > g.count)
            problems.push_back("the " + name + " goal is " + std::to_string(g.goal) + " but there " +
                               (g.count == 1 ? "is 1 " + std::string(g.one)
                                             : "are " + std::to_string(g.count) + " " + g.many));
        if (g.on == 1 && (g.goal < 0 || g.goal > 99))
            problems.push_back("the " + name + " goal " + std::to_string(g.goal) + " is not 0..99");
    }
    return problems;
}

} // namespace burrowix
