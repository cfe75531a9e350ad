#pragma once
// One frame of the game screen: the world's step with the picture of the level, the HUD and panel
// steps, and the pointer around Brannok.

namespace burrowix {

class Surface;

// Runs the game screen's frame onto `backBuffer` for the current world and digger.
void RunGameFrame(Surface* backBuffer);

// The frame's world step at app.frameClock with the held arrows, its events applied, and the HUD;
// true when play ran (no panel held the game).
bool stepGameWorld(Surface* backBuffer);

// The next RunGameFrame draws the level's background over the whole screen before anything else,
// so a clear before it would be overdrawn: play (no replay, no pause) with background blocks that
// cover the screen and do not glide before they are drawn.
bool gameFrameCoversScreen();

// Step of the pointer's animation.
inline constexpr int kPointerStep = 100;
inline constexpr int kPointerFrames = 11;

} // namespace burrowix
