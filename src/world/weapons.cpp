#include "world/weapons.hpp"

#include "state/app_state.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/explosions.hpp"
#include "world/neighbours.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

// A fire that does nothing sounds at most this often, so a held or repeated key does not buzz.
constexpr int kFailedFireQuiet = 250;

// Forgets a placed TNT that is no longer in its cell (destroyed by something that does not free the
// remote, or a stale index), so the remote never blows up whatever stands there now.
void forgetVanishedTnt(World& w)
{
    HallOfFame& live = *w.live;
    if (live.placedTnt != 0 && (!w.validIndex(live.placedTnt) || w.cells[std::size_t(live.placedTnt)].kind != KindTnt))
        live.placedTnt = 0;
}

// A fire that does nothing: the rules stay as they are, the player hears and sees that it failed.
void failedFire(World& w, Digger& d, Ticks now, Direction dir)
{
    if (d.failedFireDirection == DirNone || elapsedMoreThan(now, d.failedFireTime, kFailedFireQuiet)) {
        reportSound(w, WorldSound::Nothing, d.cellIndex(w));
        d.failedFireTime = now;
    }
    d.failedFireDirection = dir;
}

} // namespace

int weaponCounter(std::int32_t kind)
{
    switch (kind) {
    case KindBomb: return 0;
    case KindMine: return 1;
    case KindMissile: return 2;
    case KindShot: return 3;
    case KindGrenade: return 4;
    case KindTimeBomb: return 5;
    case KindTnt: return 6;
    case KindBottle: return 7;
    default: return -1;
    }
}

void placeWeapon(World& w, Digger& d, std::int32_t kind, Direction dir)
{
    if (w.difficulty == 0)
        return;
    const Ticks now = app.frameClock;
    d.lastInputTime = now;
    const int counter = weaponCounter(kind);
    if (counter < 0 || d.dead || std::int32_t(now - d.lastWeaponTime) < d.weaponCooldown)
        return;
    HallOfFame& live = *w.live;
    std::int32_t& ammunition = live.ammunition[std::size_t(counter)];

    if (kind == KindBottle) {
        if (ammunition < 1) {
            failedFire(w, d, now, dir);
            return;
        }
        --ammunition;
        live.superStart = std::int32_t(now);
        d.superMode = 1;
        reportSound(w, WorldSound::Bottle, d.cellIndex(w));
        d.lastWeaponTime = now;
        return;
    }
    if (kind == KindGrenade && dir == DirUp) {
        failedFire(w, d, now, dir);
        return;
    }

    const int digger = d.cellIndex(w);
    const Direction aim = kind == KindMine ? opposite(dir) : dir; // a mine is laid behind the digger
    const int t = neighbourInDirection(w, digger, aim);
    const bool targetEmpty = t >= 0 && w.cells[std::size_t(t)].kind == KindEmpty;
    forgetVanishedTnt(w);
    const bool remote = kind == KindTnt && live.placedTnt != 0;

    if (!remote && (!targetEmpty || ammunition < 1)) {
        failedFire(w, d, now, aim);
        return;
    }
    if (!remote) {
        --ammunition;
        switch (kind) {
        case KindMine:
        case KindTimeBomb: reportSound(w, WorldSound::Mine, t); break;
        case KindMissile: d.throwFrame = 0; break;
        case KindShot:
            d.throwFrame = 0;
            reportSound(w, WorldSound::Shot, t);
            break;
        case KindTnt: reportSound(w, WorldSound::Tnt, t); break;
        case KindGrenade:
            d.throwFrame = 0;
            reportSound(w, WorldSound::Grenade, t);
            break;
        default: break;
        }
    }

    if (remote) {
        const int placed = live.placedTnt;
        explodeAround(w, d, placed);
        live.placedTnt = 0;
    } else if (targetEmpty) {
        if (kind == KindTnt)
            live.placedTnt = t;
        d.lastWeaponTime = now;
        w.cells[std::size_t(t)].makeKind(kind, dir);
        touchCell(w, t);
    }
}

} // namespace burrowix
