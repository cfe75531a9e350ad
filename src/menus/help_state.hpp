#pragma once
// The help screen's scroll position and the part of the page strip it shows.

#include "common/asset_manifest.hpp"
#include "platform/system/clock.hpp"

namespace burrowix {

inline constexpr int kHelpPages = assets::kHelpPageCount;
// Held keys and arrow buttons scroll a page (37.5 lines of 10 rows) in a second; a wheel notch
// scrolls four lines.
inline constexpr double kHelpLinesPerSecond = 37.5;
inline constexpr int kHelpLinesPerNotch = 4;
inline constexpr int kHelpLines = 250;
inline constexpr const char* kHelpScrollBar = "ScrollBarHelp";

struct HelpState {
    int helpLine = 1; // 1..lastLine; 0 after leaving the screen, so the next visit starts at the top
    // The line that shows the last row of text at the bottom of the window (found when the pages load).
    int lastLine = kHelpLines;
    // An Up (-1) or Down (1) key held; scrolling goes on while it, or an arrow button, is held.
    int heldKey = 0;
    Ticks scrollTime = 0;
    double scrollCarry = 0; // the part of a line that the held scrolling has run but not yet moved
    void reset() { *this = HelpState{}; }
};

extern HelpState help;

// The page at the top of the help window and its first row shown there.
struct HelpWindow {
    int page = 0;
    int firstRow = 0;
};
HelpWindow helpWindow(int helpLine);

// Moves the help text to `line` (clamped to 1..lastLine) and the scroll bar with it.
void setHelpLine(int line);

// The line whose window ends just below `lastTextRow` of the page strip (1..250).
int helpLastLine(int lastTextRow);

} // namespace burrowix
