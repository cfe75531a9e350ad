#include "world/scoring.hpp"

#include <array>

#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr std::array<int, kMineralTypes> kMineralValues = {1, 2, 1, 2, 1, 2, 1, 1, 1};
constexpr std::array<int, kWeaponTypes> kPickupHard = {0, 9, 5, 11, 9, 7, 5, 5};
constexpr std::array<int, kWeaponTypes> kPickupMedium = {0, 5, 3, 6, 5, 4, 3, 3};

} // namespace

int scoreMultiplier(int difficulty) { return 3 - difficulty; }

int mineralValue(std::int32_t type)
{
    return type >= 0 && type < kMineralTypes ? kMineralValues[type] : 0;
}

int pickupAmount(int difficulty, std::int32_t weapon)
{
    if (weapon < 0 || weapon >= kWeaponTypes)
        return 0;
    if (difficulty == 2)
        return kPickupHard[weapon];
    if (difficulty == 1)
        return kPickupMedium[weapon];
    return 0;
}

void addScore(World& w, int base)
{
    w.live->score += base * scoreMultiplier(w.difficulty);
}

bool levelCompleteCheck(World& w, Digger& d)
{
    if (d.dead)
        return false;
    recount(w);
    d.enemiesKilled = w.enemiesAtStart - w.enemiesAlive;
    if (w.goldGoalOn != 0 && !(w.goldGoalOn == 1 && d.goldCollected >= w.goldGoal))
        return false;
    if (w.killGoalOn != 0 && !(w.killGoalOn == 1 && d.enemiesKilled >= w.killGoal))
        return false;
    w.won = true;
    reportEvent(w, WorldEventKind::LevelWon, d.cellIndex(w));
    return true;
}

} // namespace burrowix
