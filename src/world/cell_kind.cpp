#include "world/cell_kind.hpp"

#include <array>

namespace burrowix {

namespace {

constexpr std::array<int, kKindCount> kFrames = {0, 5, 0, 20, 0, 0, 16, 10, 7, 4, 2, 10,
                                                 0, 16, 1, 0, 6, 0, 6, 12, 15, 0, 0};
constexpr std::array<int, kKindCount> kDelays = {0,  0,  0,   60, 0,   0, 70, 90, 200, 70, 70, 20,
                                                 50, 120, 100, 0, 200, 0, 60, 0,  0,   0,  0};
constexpr std::array<int, kWeaponTypes> kPickupDelays = {100, 90, 110, 105, 90, 100, 110, 80};

bool inKinds(std::int32_t kind) { return kind >= 0 && kind < kKindCount; }

} // namespace

bool isLevelKind(std::int32_t kind)
{
    return inKinds(kind) && kind != KindShot && kind != KindBottle && kind != KindUnused && kind != KindGrenade;
}

KindFlags levelKindFlags(std::int32_t kind)
{
    KindFlags f;
    switch (kind) {
    case KindEarth: f.solid = 1; break;
    case KindStone: f = {1, 1, 1, 0, 1}; break;
    case KindWall: f = {0, 0, 1, 0, 0}; break;
    case KindGold: f = {1, 1, 1, 0, 1}; break;
    case KindEmpty: break;
    case KindLooseEarth: f = {1, 0, 1, 0, 1}; break;
    case KindCrawler:
    case KindWalker:
    case KindEgg:
    case KindStalker: f = {0, 0, 1, 1, 1}; break;
    case KindBomb: f = {1, 1, 1, 0, 1}; break;
    case KindMine: break;
    case KindMissile: f = {1, 0, 1, 0, 1}; break;
    case KindHeart:
    case KindMineral:
    case KindWeaponPickup:
    case KindTnt:
    case KindTimeBomb: f.solid = 1; break;
    case KindBlastStone: f = {0, 0, 1, 0, 0}; break;
    case KindShot:
    case KindGrenade: break;
    default: f = {0, 0, 1, 0, 0}; break; // not a kind: an inert, blocked cell
    }
    return f;
}

bool isEnemyKind(std::int32_t kind)
{
    return kind == KindCrawler || kind == KindWalker || kind == KindEgg || kind == KindStalker;
}

bool kindHasParam(std::int32_t kind)
{
    return kind == KindStone || kind == KindWall || kind == KindMineral || kind == KindWeaponPickup ||
           kind == KindBlastStone;
}

int kindFrames(std::int32_t kind) { return inKinds(kind) ? kFrames[kind] : 0; }
int kindFrameDelay(std::int32_t kind) { return inKinds(kind) ? kDelays[kind] : 0; }

int mineralFrames(std::int32_t type) { return type >= 0 && type < kMineralTypes ? 16 : 0; }
int mineralDelay(std::int32_t type)
{
    if (type < 0 || type >= kMineralTypes)
        return 0;
    return type <= 4 ? 110 : 120;
}
int pickupFrames(std::int32_t weapon)
{
    if (weapon < 0 || weapon >= kWeaponTypes)
        return 0;
    return weapon == 7 ? 16 : 3;
}
int pickupDelay(std::int32_t weapon)
{
    return weapon >= 0 && weapon < kWeaponTypes ? kPickupDelays[weapon] : 0;
}

} // namespace burrowix
