#include "walk_planner.hpp"

#include <algorithm>
#include <deque>

#include "world/cell_kind.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

bool walkable(const Cell& c)
{
    switch (c.kind) {
    case KindEarth:
    case KindEmpty:
    case KindGold:
    case KindMineral:
    case KindHeart:
    case KindWeaponPickup: return true;
    default: return false;
    }
}

} // namespace

std::vector<int> planWalk(const World& w, int from, int to, bool& found)
{
    found = false;
    const int count = w.width * w.height;
    if (from < 0 || to < 0 || from >= count || to >= count)
        return {};
    // Searched backwards from the target, so each cell knows its first step towards it.
    std::vector<int> next(std::size_t(count), -1);
    std::vector<int> stepDirection(std::size_t(count), -1);
    std::deque<int> queue{to};
    next[std::size_t(to)] = to;
    static constexpr int kDx[4] = {-1, 0, 1, 0}, kDy[4] = {0, -1, 0, 1};
    while (!queue.empty()) {
        const int c = queue.front();
        queue.pop_front();
        if (c == from)
            break;
        const int cx = c % w.width, cy = c / w.width;
        // A neighbour p that steps in direction d reaches c.
        for (int d = 0; d < 4; ++d) {
            const int px = cx - kDx[d], py = cy - kDy[d];
            if (px < 0 || py < 0 || px >= w.width || py >= w.height)
                continue;
            const int p = w.indexOf(px, py);
            if (next[std::size_t(p)] >= 0 || (p != from && !walkable(w.cells[std::size_t(p)])))
                continue;
            // Leaving a cell downwards lets what rests on it fall onto the digger.
            if (d == 3 && py > 0 && w.cells[std::size_t(p - w.width)].falls)
                continue;
            next[std::size_t(p)] = c;
            stepDirection[std::size_t(p)] = d;
            queue.push_back(p);
        }
    }
    if (next[std::size_t(from)] < 0)
        return {};
    found = true;
    std::vector<int> path;
    for (int c = from; c != to; c = next[std::size_t(c)])
        path.push_back(stepDirection[std::size_t(c)]);
    return path;
}

} // namespace burrowix
