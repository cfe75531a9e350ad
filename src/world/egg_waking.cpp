#include "world/egg_waking.hpp"

#include "world/cell_kind.hpp"
#include "world/world.hpp"

namespace burrowix {

void wakeEggs(World& w, int c)
{
    if (!w.validIndex(c))
        return;
    const int cx = c % w.width;
    const int cy = c / w.width;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (dx != -2 && dx != 2 && dy != -2 && dy != 2)
                continue;
            Cell* e = w.cellAt(cx + dx, cy + dy);
            if (e && e->kind == KindEgg && e->eggState == 0)
                e->eggState = 1;
        }
    }
}

} // namespace burrowix
