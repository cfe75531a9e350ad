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

void Cell::makeKind(std::int32_t newKind, Direction newDirection)
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
    direction = lastDirection = m.takesDirection ? newDirection : DirLeft;
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
    direction = lastDirection = DirLeft;
    offsetX = offsetY = 0;
    armedTime = 0;
    animHalf = false;
    if (mode == 0)
        kind = KindEmpty;
}

void Cell::startGlide(Direction newDirection, int cellSize)
{
    moving = 1;
    direction = newDirection;
    // The content now belongs to the next cell and starts one cell back, where it was.
    x += stepX(newDirection);
    y += stepY(newDirection);
    offsetX -= stepX(newDirection) * cellSize;
    offsetY -= stepY(newDirection) * cellSize;
}

void Cell::glideStep()
{
    if (!moving)
        return;
    const int speed = glideSpeed(kind);
    const bool horizontal = isHorizontal(direction);
    offsetX += stepX(direction) * speed;
    offsetY += stepY(direction) * speed;
    if (horizontal && (kind == KindStone || kind == KindGrenade)) {
        rollToggle = !rollToggle;
        if (!rollToggle) {
            const int frames = kind == KindGrenade ? 12 : (param != 0 ? kSecondStoneSetFrames : 5);
            if (direction == DirLeft)
                frame = frame - 1 < 0 ? frames - 1 : frame - 1;
            else
                frame = frame + 1 >= frames ? 0 : frame + 1;
        }
    }
    // The glide ends where the offset along its axis reaches zero from the side it came from.
    const std::int32_t along = horizontal ? offsetX : offsetY;
    const bool ended = !isDirection(direction) || (towardsOrigin(direction) ? along < 1 : along >= 0);
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
