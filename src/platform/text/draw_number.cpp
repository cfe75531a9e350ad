#include "platform/text/draw_number.hpp"

#include <iterator>

#include "platform/display/blit.hpp"

namespace burrowix {

namespace {

void drawCell(Surface* target, const Surface* sheet, const DigitStyle& s, int cell, int x, int y)
{
    const Rect source{cell * s.cellWidth, s.rowTop, (cell + 1) * s.cellWidth, s.rowTop + s.cellHeight};
    blitFast(target, x, y, sheet, &source, true);
}

} // namespace

void drawNumber(Surface* target, const Surface* digitSheet, int value, int x, int y, int style)
{
    if (value < 0 || value >= kNumberLimit || style < 0 || style >= int(std::size(kDigitStyles)))
        return;
    const DigitStyle& s = kDigitStyles[style];
    const int step = s.cellWidth + s.gap;
    if (style == kMarkedStyle && value < 10)
        drawCell(target, digitSheet, s, kMarkCell, x - step, y);
    int i = 0;
    do {
        drawCell(target, digitSheet, s, value % 10, x - i * step, y);
        value /= 10;
        ++i;
    } while (value > 0);
}

} // namespace burrowix
