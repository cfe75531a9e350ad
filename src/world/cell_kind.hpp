#pragma once
// The cell kinds: their codes, the flags and first animation frame a level gives each kind, and the
// animation tables (frame counts and frame delays by kind, minerals and weapon pickups by type).

#include <cstdint>

namespace burrowix {

enum CellKind : std::int32_t {
    KindEarth = 0,
    KindStone = 1,
    KindWall = 2,
    KindGold = 3,
    KindEmpty = 4,
    KindLooseEarth = 5,
    KindCrawler = 6,
    KindBomb = 7,
    KindMine = 8,
    KindMissile = 9,
    KindHeart = 10,
    KindWalker = 11,
    KindEgg = 12,
    KindMineral = 13,
    KindShot = 14,
    KindWeaponPickup = 15,
    KindTnt = 16,
    KindBottle = 17, // the bottle weapon's number; never a cell
    KindStalker = 18,
    KindGrenade = 19,
    KindTimeBomb = 20,
    KindUnused = 21, // never a cell: nothing draws it and nothing enters it
    KindBlastStone = 22,
};

inline constexpr int kKindCount = 23;

// The flags a level file's cell of a kind is given at set-up.
struct KindFlags {
    std::int32_t falls = 0;
    std::int32_t rolls = 0;
    std::int32_t solid = 0;
    std::int32_t isEnemy = 0;
    std::int32_t destructible = 1;
};

// True for the codes the kinds table lists (everything but 14, 17, 19, 21 and codes outside 0..22).
bool isLevelKind(std::int32_t kind);
// Flags for a kind read from a level file. Kinds 14 and 19 keep a new cell's flags (only
// `destructible`); codes that are no kind at all are solid so nothing falls or walks into them.
KindFlags levelKindFlags(std::int32_t kind);
// True for the kinds that count as enemies: Crawler, Walker, Egg and Stalker.
bool isEnemyKind(std::int32_t kind);
// True when a level file stores a parameter after this kind.
bool kindHasParam(std::int32_t kind);

// The per-kind animation tables, indexed by kind code (0 outside 0..22).
int kindFrames(std::int32_t kind);
int kindFrameDelay(std::int32_t kind);

inline constexpr int kMineralTypes = 9;
inline constexpr int kWeaponTypes = 8;
// Frame count and delay (ms) of a mineral type and of a weapon pickup; 0 outside their ranges.
int mineralFrames(std::int32_t type);
int mineralDelay(std::int32_t type);
int pickupFrames(std::int32_t weapon);
int pickupDelay(std::int32_t weapon);

inline constexpr int kSecondStoneSetFrames = 11;
inline constexpr int kCrawlerLook4Frames = 11;
inline constexpr int kBlastStoneFrames = 7;

} // namespace burrowix
