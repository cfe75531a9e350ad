#include "world/egg_hatching.hpp"

#include "world/cell.hpp"
#include "world/cell_kind.hpp"

namespace burrowix {

namespace {

constexpr int kShakeFrames = 11;
constexpr int kOpenStep = 50;
constexpr int kCrawlerLookHatched = 4;

} // namespace

void hatchStep(Cell& egg, Ticks now)
{
    if (egg.kind != KindEgg)
        return;
    if (egg.eggState == kEggShaking) {
        // The wait shrinks with every shake, down to nothing: the egg shakes faster and faster.
        if (!elapsedMoreThan(now, egg.frameTimeB, kOpenStep - 3 * egg.frameB))
            return;
        egg.frameTimeB = now;
        ++egg.frameB;
        egg.frame = egg.frame + 1 >= kShakeFrames ? 0 : egg.frame + 1;
        if (egg.frameB > 31 && egg.frame == 0)
            egg.eggState = kEggOpening;
    } else if (egg.eggState == kEggOpening) {
        if (!elapsedMoreThan(now, egg.frameTimeB, kOpenStep))
            return;
        egg.frameTimeB = now;
        ++egg.frameB;
        if (++egg.frame > kShakeFrames) {
            egg.frame = 0;
            egg.eggState = kEggHatched;
            egg.kind = KindCrawler;
            egg.frameB = 0;
            egg.param = kCrawlerLookHatched;
        }
    }
}

} // namespace burrowix
