#pragma once
// The cell kinds: their codes and one constexpr row per kind with everything the rules, the level
// reader, checker and source format, the drawing and the data generator need to know about it
// (name, map symbols, flags at set-up, first frame, animation, chaining, sprite slot, preview square,
// parameter rule). Adding a kind is a row here, its rule code, its picture and its tests.

#include <array>
#include <cstdint>
#include <string_view>

#include "state/picture_tables.hpp"

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

inline constexpr int kMineralTypes = 9;
inline constexpr int kWeaponTypes = 8;
inline constexpr int kSecondStoneSetFrames = 11;
inline constexpr int kCrawlerLook4Frames = 11;
inline constexpr int kBlastStoneFrames = 7;

// The flags a level file's cell of a kind is given at set-up.
struct KindFlags {
    bool falls = false;       ///< drops when the cell below is empty
    bool rolls = false;       ///< slides off rounded things below it
    bool solid = false;       ///< nothing walks or falls into it
    bool isEnemy = false;     ///< counts as an enemy
    bool destructible = true; ///< a blast clears it
};

// How a level file may hold a kind.
enum class LevelUse : std::uint8_t {
    Placed,        // a level may hold it
    GoesOffAtOnce, // a level may hold it, but it goes off in the first frame
    MadeByGame,    // only the game makes it; read from a file it lies inert
    NotACell,      // a code no cell has
};

// How a cell's first frame is chosen at set-up (each random choice draws from the rules' sequence).
enum class FirstFrame : std::uint8_t {
    Zero,          // frame 0, nothing drawn from the sequence
    Random,        // random below `firstFrames`
    MineralFrames, // random below the mineral type's frame count
    PickupFrames,  // random below the weapon pickup's frame count
    ClearingStone, // random below `firstFrames` for parameter 0 only
};

// Whether a kind caught in a blast's chain passes sets off its own blast.
enum class Chains : std::uint8_t { No, Yes, WithShots };

// Which row of the level preview's sprite sheet a kind is drawn from.
enum class PreviewRow : std::uint8_t { None, Top, Param, LevelLook };

struct KindTraits {
    CellKind kind;                ///< the code stored in level files and in `Cell::kind`
    std::string_view name;        ///< the kind's name, for messages and tools
    std::string_view symbols;     ///< the level source's map symbol by parameter (' ': none)
    bool hasParam;                ///< a level file stores a parameter after the kind
    LevelUse use;                 ///< whether level files may hold it
    KindFlags flags;              ///< the flags a level file's cell gets at set-up
    FirstFrame firstFrame;        ///< how the first frame is chosen at set-up
    int firstFrames;              ///< the range of a random first frame
    int frames;                   ///< frames of its animation (0: none)
    int frameDelay;               ///< ms between its animation frames
    Chains chains;                ///< whether it chains explosions
    bool burstsAlone;             ///< a single blast (a shot's hit) clears it
    int spriteSlot;               ///< its own `spriteImages` slot, -1 when it has none
    int previewColumn;            ///< the column of the preview sheet it is drawn from, -1: not drawn
    PreviewRow previewRow;        ///< the row of the preview sheet it is drawn from
    std::string_view paramName;   ///< what the parameter means, for the level check ("" : not checked)
    std::string_view paramRule;   ///< how the level check words the valid parameters
};

namespace kind_rows {

inline constexpr KindFlags kInert{false, false, true, false, false};
inline constexpr KindFlags kFalling{true, true, true, false, true};
inline constexpr KindFlags kEnemy{false, false, true, true, true};
inline constexpr KindFlags kSolid{false, false, true, false, true};
inline constexpr KindFlags kOpen{false, false, false, false, true};

} // namespace kind_rows

// clang-format off
inline constexpr std::array<KindTraits, kKindCount> kKinds = {{
    {KindEarth, "earth", ":", false, LevelUse::Placed, kind_rows::kSolid, FirstFrame::Zero, 0, 0, 0,
     Chains::No, true, 0, 0, PreviewRow::LevelLook, "", ""},
    {KindStone, "stone", "OQ", true, LevelUse::Placed, kind_rows::kFalling, FirstFrame::Random, 5, 5, 0,
     Chains::No, true, 1, 1, PreviewRow::LevelLook, "stone set", " is not 0 or 1"},
    {KindWall, "wall", "(^)#", true, LevelUse::Placed, kind_rows::kInert, FirstFrame::Zero, 0, 0, 0,
     Chains::No, false, 2, 2, PreviewRow::Param, "wall shape", " is not 0..3"},
    {KindGold, "gold", "$", false, LevelUse::Placed, kind_rows::kFalling, FirstFrame::Random, 40, 20, 60,
     Chains::No, false, 3, 3, PreviewRow::Top, "", ""},
    {KindEmpty, "empty", ".", false, LevelUse::Placed, kind_rows::kOpen, FirstFrame::Zero, 0, 0, 0,
     Chains::No, false, 4, -1, PreviewRow::None, "", ""},
    {KindLooseEarth, "loose earth", "%", false, LevelUse::Placed, {true, false, true, false, true},
     FirstFrame::Zero, 0, 0, 0, Chains::No, false, 5, 5, PreviewRow::Top, "", ""},
    {KindCrawler, "crawler", "c", false, LevelUse::Placed, kind_rows::kEnemy, FirstFrame::Zero, 0, 16, 70,
     Chains::Yes, true, 6, 6, PreviewRow::Param, "", ""},
    {KindBomb, "bomb", "b", false, LevelUse::Placed, kind_rows::kFalling, FirstFrame::Random, 10, 10, 90,
     Chains::Yes, true, 7, 7, PreviewRow::Top, "", ""},
    {KindMine, "mine", "m", false, LevelUse::Placed, kind_rows::kOpen, FirstFrame::Random, 7, 7, 200,
     Chains::Yes, true, 8, 8, PreviewRow::Top, "", ""},
    {KindMissile, "missile", "", false, LevelUse::GoesOffAtOnce, {true, false, true, false, true},
     FirstFrame::Zero, 0, 4, 70, Chains::Yes, true, 9, 9, PreviewRow::Top, "", ""},
    {KindHeart, "heart", "+", false, LevelUse::Placed, kind_rows::kSolid, FirstFrame::Random, 2, 2, 70,
     Chains::No, false, 10, 10, PreviewRow::Top, "", ""},
    {KindWalker, "walker", "w", false, LevelUse::Placed, kind_rows::kEnemy, FirstFrame::Zero, 0, 10, 20,
     Chains::Yes, true, 11, 11, PreviewRow::Top, "", ""},
    {KindEgg, "egg", "e", false, LevelUse::Placed, kind_rows::kEnemy, FirstFrame::Random, 5, 0, 50,
     Chains::Yes, true, 12, 1, PreviewRow::Top, "", ""},
    {KindMineral, "mineral", "012345", true, LevelUse::Placed, kind_rows::kSolid, FirstFrame::MineralFrames, 0,
     16, 120, Chains::No, false, 13, 13, PreviewRow::Param, "mineral type", " has no picture (use 0..5)"},
    {KindShot, "shot", "", false, LevelUse::MadeByGame, kind_rows::kOpen, FirstFrame::Zero, 0, 1, 100,
     Chains::WithShots, false, 14, 14, PreviewRow::Top, "", ""},
    {KindWeaponPickup, "weapon pickup", " M SG NB", true, LevelUse::Placed, kind_rows::kSolid,
     FirstFrame::PickupFrames, 0, 0, 0, Chains::No, false, 15, 15, PreviewRow::Param, "weapon pickup",
     " is not one of 1, 3, 4, 6, 7"},
    {KindTnt, "TNT", "T", false, LevelUse::Placed, kind_rows::kSolid, FirstFrame::Zero, 0, 6, 200,
     Chains::Yes, true, 16, 16, PreviewRow::Top, "", ""},
    {KindBottle, "bottle", "", false, LevelUse::NotACell, kind_rows::kInert, FirstFrame::Zero, 0, 0, 0,
     Chains::No, false, -1, -1, PreviewRow::None, "", ""},
    {KindStalker, "stalker", "s", false, LevelUse::Placed, kind_rows::kEnemy, FirstFrame::Zero, 0, 6, 60,
     Chains::Yes, true, 18, 18, PreviewRow::Param, "", ""},
    {KindGrenade, "grenade", "", false, LevelUse::MadeByGame, kind_rows::kOpen, FirstFrame::Zero, 0, 12, 0,
     Chains::Yes, true, 19, 19, PreviewRow::Top, "", ""},
    {KindTimeBomb, "time bomb", "", false, LevelUse::GoesOffAtOnce, kind_rows::kSolid, FirstFrame::Zero, 0, 15,
     0, Chains::Yes, true, 20, 20, PreviewRow::Top, "", ""},
    {KindUnused, "unused", "", false, LevelUse::NotACell, kind_rows::kInert, FirstFrame::Zero, 0, 0, 0,
     Chains::No, false, -1, -1, PreviewRow::None, "", ""},
    {KindBlastStone, "blast stone", "Xx", true, LevelUse::Placed, kind_rows::kInert, FirstFrame::ClearingStone,
     kBlastStoneFrames, 0, 0, Chains::No, false, 22, -1, PreviewRow::None, "", ""},
}};
// clang-format on

namespace kind_rows {

constexpr bool inOrder()
{
    for (int k = 0; k < kKindCount; ++k)
        if (kKinds[std::size_t(k)].kind != k)
            return false;
    return true;
}

// Every map symbol names one (kind, parameter) only, and none is taken by the map's own marks.
constexpr bool symbolsUnique()
{
    std::array<bool, 256> seen{};
    seen[std::uint8_t('@')] = seen[std::uint8_t('?')] = seen[std::uint8_t(' ')] = true;
    for (const KindTraits& t : kKinds)
        for (char ch : t.symbols) {
            if (ch == ' ')
                continue;
            if (seen[std::uint8_t(ch)])
                return false;
            seen[std::uint8_t(ch)] = true;
        }
    return true;
}

// A kind's own sprite slot is in the table, unique, and none of the slots that hold other
// pictures (the backgrounds, the super-mode digger, the second crawler look).
constexpr bool slotsApart()
{
    std::array<bool, kSpriteImageCount> taken{};
    for (int s : {kSlotBackground, kSlotSuperDigger, kSlotCrawlerSecondLook, kSlotBlockBackground})
        taken[std::size_t(s)] = true;
    for (const KindTraits& t : kKinds) {
        if (t.spriteSlot < 0)
            continue;
        if (t.spriteSlot >= kSpriteImageCount || taken[std::size_t(t.spriteSlot)])
            return false;
        taken[std::size_t(t.spriteSlot)] = true;
    }
    return true;
}

constexpr bool rowsConsistent()
{
    for (const KindTraits& t : kKinds) {
        if (t.name.empty())
            return false;
        if (!t.hasParam && t.symbols.size() > 1)
            return false; // symbols past the first need a stored parameter
        if ((t.use == LevelUse::Placed) == t.symbols.empty())
            return false; // what a level may hold has a symbol, and only that
        if ((t.firstFrame == FirstFrame::Random || t.firstFrame == FirstFrame::ClearingStone) && t.firstFrames <= 0)
            return false;
        if (!t.paramRule.empty() && !t.hasParam)
            return false;
        if (t.flags.isEnemy && t.chains != Chains::Yes)
            return false; // every enemy is caught in a chain
    }
    return true;
}

} // namespace kind_rows

static_assert(kKinds.size() == std::size_t(kKindCount) && kind_rows::inOrder(),
              "one row per kind code, in code order");
static_assert(kind_rows::symbolsUnique(), "a map symbol names one kind and parameter");
static_assert(kind_rows::slotsApart(), "a kind's sprite slot is its own");
static_assert(kind_rows::rowsConsistent(), "every row is filled in");

// The row of a kind code; codes outside 0..22 read as the unused code (an inert, blocked cell that
// nothing draws and no level holds).
constexpr const KindTraits& kindTraits(std::int32_t kind)
{
    return kind >= 0 && kind < kKindCount ? kKinds[std::size_t(kind)] : kKinds[KindUnused];
}

// True for the codes a level file may hold (everything but 14, 17, 19, 21 and codes outside 0..22).
constexpr bool isLevelKind(std::int32_t kind)
{
    const LevelUse use = kindTraits(kind).use;
    return kind == kindTraits(kind).kind && (use == LevelUse::Placed || use == LevelUse::GoesOffAtOnce);
}
// Flags for a kind read from a level file.
constexpr KindFlags levelKindFlags(std::int32_t kind) { return kindTraits(kind).flags; }
// True for the kinds that count as enemies: Crawler, Walker, Egg and Stalker.
constexpr bool isEnemyKind(std::int32_t kind) { return kindTraits(kind).flags.isEnemy; }
// True when a level file stores a parameter after this kind.
constexpr bool kindHasParam(std::int32_t kind) { return kindTraits(kind).hasParam; }
// The per-kind animation tables (0 outside 0..22).
constexpr int kindFrames(std::int32_t kind) { return kindTraits(kind).frames; }
constexpr int kindFrameDelay(std::int32_t kind) { return kindTraits(kind).frameDelay; }
// The sprite slot a kind is drawn from.
constexpr int kindSlot(CellKind kind) { return kKinds[std::size_t(kind)].spriteSlot; }
// The map symbol of (kind, parameter), or '?' when it has none.
constexpr char kindSymbol(std::int32_t kind, std::int32_t param)
{
    const KindTraits& t = kindTraits(kind);
    if (t.kind != kind || param < 0 || std::size_t(param) >= t.symbols.size() || t.symbols[std::size_t(param)] == ' ')
        return '?';
    return t.symbols[std::size_t(param)];
}

// Frame count and delay (ms) of a mineral type and of a weapon pickup; 0 outside their ranges.
int mineralFrames(std::int32_t type);
int mineralDelay(std::int32_t type);
int pickupFrames(std::int32_t weapon);
int pickupDelay(std::int32_t weapon);

} // namespace burrowix
