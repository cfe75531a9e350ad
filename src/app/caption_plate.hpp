#pragma once
// The dark plate with a bright border that the game lays over the play field to say what holds it
// (the pause, a replay being watched): a title in the large font and a hint line in the small one,
// both centred.

#include <cstdint>

#include "platform/display/display_result.hpp"

namespace burrowix {

class Surface;

struct CaptionPlate {
    Rect inner;         // the plate; the border lies outside it
    int border = 0;     // pixels
    int titleY = 0;     // the title's centre, from the plate's top
    int hintY = 0;      // the hint's centre, from the plate's top
    std::uint32_t hintColor = 0;
};

void drawCaptionPlate(Surface* target, const CaptionPlate& plate, const char* title, const char* hint);

} // namespace burrowix
