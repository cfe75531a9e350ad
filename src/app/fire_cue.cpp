#include "app/fire_cue.hpp"

#include <array>

#include "platform/display/blit.hpp"
#include "platform/display/pixel_format.hpp"
#include "state/app_state.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kCell = 40;
constexpr int kSpecks = 5;

} // namespace

void drawFailedFireCue(const World& w, const Digger& d, Surface* target)
{
    if (!isDirection(d.failedFireDirection) || !target)
        return;
    const int age = int(app.frameClock - d.failedFireTime);
    if (age < 0 || age >= kFireCueTime)
        return;
    // The middle of the digger's edge that faces the direction fired in.
    const int dx = stepX(d.failedFireDirection), dy = stepY(d.failedFireDirection);
    const int cx = d.viewCol * kCell + w.scrollOffsetX + d.offsetX + kCell / 2 + dx * kCell / 2;
    const int cy = d.viewRow * kCell + w.scrollOffsetY + d.offsetY + kCell / 2 + dy * kCell / 2;
    // The specks fan out back towards the digger and sideways along the edge, shrinking as they go.
    const int spread = 2 + age * 12 / kFireCueTime;
    const int size = age < kFireCueTime / 2 ? 4 : 3;
    const int shade = 0xD0 - age * 0x60 / kFireCueTime;
    const std::uint32_t colour = target->mapRgb(packRgb(std::uint32_t(shade), std::uint32_t(shade), std::uint32_t(shade - 0x10)));
    for (int i = 0; i < kSpecks; ++i) {
        const int along = (i - kSpecks / 2) * spread; // along the edge
        const int back = (i % 2 ? spread : spread / 2);  // back towards the digger
        const int x = cx + (dx ? -dx * back : along) - size / 2;
        const int y = cy + (dy ? -dy * back : along) - size / 2;
        const Rect speck{x, y, x + size, y + size};
        fillRect(target, &speck, colour);
    }
}

} // namespace burrowix
