#pragma once
// One frame of the game screen: the world's passes in their fixed order, the drawing of the level
// and the digger, the HUD and panel steps, and the pointer around Brannok.

namespace burrowix {

class Surface;

// Runs the game screen's frame onto `backBuffer` for the current world and digger.
void RunGameFrame(Surface* backBuffer);

// The digger stays idle this long without input before it takes the idle pose.
inline constexpr int kIdleAfter = 10000;
// Steps of the throw animation and of the pointer.
inline constexpr int kThrowStep = 120;
inline constexpr int kPointerStep = 100;
inline constexpr int kPointerFrames = 11;

} // namespace burrowix
