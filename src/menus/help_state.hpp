#pragma once
// The help screen's scroll position and the part of the page strip it shows.

namespace burrowix {

inline constexpr int kHelpPages = 8;
inline constexpr int kHelpLines = 250;
inline constexpr const char* kHelpScrollBar = "ScrollBarHelp";

struct HelpState {
    int helpLine = 1; // 1..250; 0 after leaving the screen, so the next visit starts at the top
    void reset() { *this = HelpState{}; }
};

extern HelpState help;

// The page at the top of the help window and its first row shown there.
struct HelpWindow {
    int page = 0;
    int firstRow = 0;
};
HelpWindow helpWindow(int helpLine);

// Moves the help text to `line` (clamped to 1..250) and the scroll bar with it.
void setHelpLine(int line);

} // namespace burrowix
