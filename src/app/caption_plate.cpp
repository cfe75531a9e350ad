#include "app/caption_plate.hpp"

#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/surface.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"

namespace burrowix {

namespace {

constexpr std::uint32_t kTitleColor = 0x3CAFD2; // the menus' label colour, also the border's
constexpr std::uint32_t kPlateColor = 0x101820;

} // namespace

void drawCaptionPlate(Surface* target, const CaptionPlate& plate, const char* title, const char* hint)
{
    const Rect& r = plate.inner;
    const Rect outer{r.left - plate.border, r.top - plate.border, r.right + plate.border, r.bottom + plate.border};
    fillRect(target, &outer, colorMatch(target, kTitleColor));
    fillRect(target, &r, colorMatch(target, kPlateColor));
    const int centreX = (r.left + r.right) / 2;
    drawText(kFontLarge, 0, 1, kAlignCentre, kAlignCentre, target, centreX, r.top + plate.titleY, title, kTitleColor);
    drawText(kFontSmall, 0, 1, kAlignCentre, kAlignCentre, target, centreX, r.top + plate.hintY, hint,
             plate.hintColor);
}

} // namespace burrowix
