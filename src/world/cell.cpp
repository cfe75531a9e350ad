#include "world/cell.hpp"

#include "common/random.hpp"
#include "state/app_state.hpp"
#include "world/cell_kind.hpp"

namespace burrowix {

void copyCell(Cell& destination, const Cell& source)
{
    destination = source;
}

int glideSpeed(std::int32_t kind)
{
    return kind == KindMissile || kind == KindShot ? 8 : 4;
}

void Cell::makeKind(std::int32_t newKind, std::int32_t newDirection)
{
    struct Made {
        std::int32_t falls, rolls, solid, takesDirection;
    };
    Made m{};
    switch (newKind) {
    case KindBomb: m = {1, 1, 1, 0}; break;
    case KindMine: m = {0, 0, 0, 0}; break;
    case KindMissile: m = {1, 0, 1, 1}; break;
    case KindShot: m = {1, 0, 1, 1}; break;
    case KindTnt: m = {0, 0, 1, 0}; break;
    case KindGrenade: m = {1, 1, 1, 1}; break;
    case KindTimeBomb: m = {0, 0, 1, 0}; break;
    default: return;
    }
    kind = newKind;
    falls = m.falls;
    rolls = m.rolls;
    solid = m.solid;
    destructible = 1;
    isEnemy = 0;
    offsetX = offsetY = 0;
    exploding = 0;
    blastFrame = 0;
    blastShown = 0;
    direction = lastDirection = m.takesDirection ? newDirection : 0;
    if (newKind == KindGrenade) {
        frame = random(12);
        arrived = 1;
    } else if (newKind == KindTimeBomb) {
        armedTime = app.frameClock;
    }
}

void Cell::clear(int mode)
{
    if (x < 0 && y < 0)
        return;
    falls = rolls = solid = isEnemy = moving = 0;
    direction = lastDirection = 0;
    offsetX = offsetY = 0;
    armedTime = 0;
    animHalf = 0;
    if (mode == 0)
        kind = KindEmpty;
}

void Cell::startGlide(std::int32_t newDirection, int cellSize)
{
    const int size = cellSize;
    moving = 1;
    direction = newDirection;
    switch (newDirection) {
    case 0:
        --x;
        --viewCol;
        offsetX += size;
        break;
    case 1:
        --y;
        --viewRow;
        offsetY += size;
        break;
    case 2:
        ++x;
        ++viewCol;
        offsetX -= size;
        break;
    case 3:
        ++y;
        ++viewRow;
        offsetY -= size;
        break;
    default: break;
    }
}

void Cell::glideStep()
{
    if (!moving)
        return;
    const int speed = glideSpeed(kind);
    const bool horizontal = direction == 0 || direction == 2;
    switch (direction) {
    case 0: offsetX -= speed; break;
    case 1: offsetY -= speed; break;
    case 2: offsetX += speed; break;
    case 3: offsetY += speed; break;
    default: break;
    }
    if (horizontal && (kind == KindStone || kind == KindGrenade)) {
        rollToggle ^= 1;
        if (rollToggle == 0) {
            const int frames = kind == KindGrenade ? 12 : (param != 0 ? kSecondStoneSetFrames : 5);
            if (direction == 0)
                frame = frame - 1 < 0 ? frames - 1 : frame - 1;
            else
                frame = frame + 1 >= frames ? 0 : frame + 1;
        }
    }
    bool ended = false;
    switch (direction) {
    case 0: ended = offsetX < 1; break;
    case 1: ended = offsetY < 1; break;
    case 2: ended = offsetX >= 0; break;
    case 3: ended = offsetY >= 0; break;
    default: ended = true; break;
    }
    if (kind == KindShot && (horizontal || ended))
        shotPose ^= 1;
    if (ended) {
        if (horizontal)
            offsetX = 0;
        else
            offsetY = 0;
        arrived = 1;
        moving = 0;
        lastDirection = direction;
    }
}

} // namespace burrowix
