#pragma once
// What the world reports to whoever runs it: the level won, the digger hit or dead, a sound effect
// with the cell it came from. The rules append them to the world's list as they happen; the shell
// takes them in order after a step (or a key that acted on the world) and applies them: panels,
// the pause, the level progress, the sounds.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace burrowix {

class World;

// The world's sound effects; the shell maps them onto its effect handles.
enum class WorldSound : std::int8_t {
    Explosion,
    StoneFall,
    NuggetFall,
    Nugget,
    Mineral1,
    Mineral2,
    Mineral3,
    AddWeapon1,
    AddWeapon2,
    AddWeapon3,
    Mine,
    Shot,
    Grenade,
    Tnt,
    Bottle,
    Life,
    Nothing, ///< a fire that could not go
    Dig,     ///< the digger entered earth (the shell varies the sound)
};

enum class WorldEventKind : std::int8_t {
    LevelWon,   ///< every goal is met: the level ends and the rules stop
    DiggerHit,  ///< the digger was hurt and lives on, blinking
    DiggerDead, ///< the digger died
    Sound,      ///< an effect to sound
};

struct WorldEvent {
    WorldEventKind kind = WorldEventKind::Sound; ///< what happened
    WorldSound sound = WorldSound::Explosion;    ///< the effect, for a Sound
    std::int32_t cell = -1;                      ///< the cell it happened at, -1 when none
};

// The reports a World has room for from its set-up on; a frame with more grows the list once.
inline constexpr std::size_t kEventsReserved = 256;

// Reports a sound at `cell` (-1: none).
void reportSound(World& w, WorldSound sound, std::int32_t cell = -1);
// Reports one of three sounds in a row starting at `first`, drawing random(3) from the looks and
// sounds generator only when the shell says effects are heard (World::effectsHeard): the rules'
// own generator is never touched, so the sound setting cannot change how a level plays.
void reportOneOfThree(World& w, WorldSound first, std::int32_t cell = -1);
// Reports a level won, a hit or a death.
void reportEvent(World& w, WorldEventKind kind, std::int32_t cell = -1);

} // namespace burrowix
