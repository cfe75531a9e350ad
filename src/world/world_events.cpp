#include "world/world_events.hpp"

#include "common/random.hpp"
#include "world/world.hpp"

namespace burrowix {

void reportSound(World& w, WorldSound sound, std::int32_t cell)
{
    w.events.push_back(WorldEvent{WorldEventKind::Sound, sound, cell});
}

void reportOneOfThree(World& w, WorldSound first, std::int32_t cell)
{
    if (!w.effectsHeard)
        return;
    const int r = random(3);
    reportSound(w, WorldSound(int(first) + r), cell);
}

void reportEvent(World& w, WorldEventKind kind, std::int32_t cell)
{
    w.events.push_back(WorldEvent{kind, WorldSound::Explosion, cell});
}

} // namespace burrowix
