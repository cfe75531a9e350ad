#pragma once
// Pausing play: the world's frame work stops and the game's time stands still (so every timer of
// the rules continues where it stopped), the last frame stays under a "Paused" panel, and the music
// plays quieter. The pause key (P unless rebound), Pause and the controller's Start pause; any key
// resumes; losing the window's focus pauses too.

#include <cstdint>
#include <memory>

#include "platform/system/messages.hpp"

namespace burrowix {

class Surface;

struct GamePause {
    // The frame shown when play was paused, drawn under the panel while it lasts.
    std::unique_ptr<Surface> still;
};

extern GamePause gamePause;

// Play runs on the game screen: no panel is up, the digger lives and the level is not ending.
bool canPause();
void pauseGame();
void resumeGame();
// A key-down on the game screen: while paused every key resumes (and does nothing else); otherwise
// a pause key pauses when play can pause. Whether the key was taken.
bool pauseKeyDown(const Message& message);
// The window lost the focus or was minimised.
void pauseOnFocusLoss();
// The game screen's frame while paused: the still frame, dimmed, with the panel.
void drawPausedFrame(Surface* backBuffer);

} // namespace burrowix
