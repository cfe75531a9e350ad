#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

void advanceFrame(Digger& d)
{
    if (d.halfStep != d.direction)
        return;
    d.halfStep = -1;
    ++d.frame;
    if (d.pose == PoseDigging) {
        if (d.frame >= d.walkFrames + d.digFrames)
            d.frame = d.walkFrames;
    } else if (d.pose == PosePushing) {
        if (d.frame >= d.pushFrames)
            d.frame = 0;
    } else if (d.frame == d.walkFrames || d.frame >= d.walkFrames + d.digFrames) {
        d.frame = 0;
    }
}

} // namespace

void diggerPictureStep(const World& w, Digger& d, Ticks now, bool frozen)
{
    if (d.superMode && elapsedMoreThan(now, Ticks(w.live->superStart), kSuperModeTime))
        d.superMode = 0;
    diggerIdleStep(d, frozen);
    // The walk, dig and push cycles keep their pace under the throwing picture.
    if (d.pose != PoseIdle)
        advanceFrame(d);
}

} // namespace burrowix
