#pragma once
// The level choice's best replay of the selected level: its points and time under the level number,
// and the Watch button that plays it on the game screen. The file is read again only when the
// level, the pack or the level's content changes.

namespace burrowix {

class Surface;

// Draws the best points and time of the selected level, and shows the Watch button when it has a
// replay to watch.
void drawLevelBest(Surface* back);

// The Watch button: plays the selected level's best replay.
void watchBestReplay();

// Forgets what was read, so that the next frame reads the file again (a new best was saved).
void forgetLevelBest();

} // namespace burrowix
