#pragma once
// Numbers from the digit sheet ("font1_0_small.bmp"): four styles in bands of the sheet, digit d in
// cell d of its band, drawn right-aligned so that the ones digit starts at the given x.

#include "platform/display/surface.hpp"

namespace burrowix {

struct DigitStyle {
    int rowTop;
    int cellWidth;
    int cellHeight;
    int gap; // between digits on screen
};

constexpr DigitStyle kDigitStyles[] = {
    {0, 20, 32, 2},
    {32, 20, 32, 2},
    {64, 16, 26, 1},
    {90, 14, 24, 0},
};

// Style 1 marks a one-digit value with the extra cell 10 of its band, one digit position left.
constexpr int kMarkedStyle = 1;
constexpr int kMarkCell = 10;
// Values from here on draw nothing.
constexpr int kNumberLimit = 1000000;

// Draws `value` (0 to 999999) into `target` from `digitSheet` with the sheet's colour key. Each
// cell is clipped on its own to the target. A value outside that range or an unknown style draws
// nothing.
void drawNumber(Surface* target, const Surface* digitSheet, int value, int x, int y, int style);

} // namespace burrowix
