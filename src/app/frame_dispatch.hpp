#pragma once
// The points where the frame function and the window procedure hand over to the subsystems built
// on top of the shell: screens, widgets, the pointer, the magnifier, the game screen's frame, and the
// start-up and shutdown work. Each is a plain function in frame_dispatch.cpp; what a subsystem does
// at that point goes there. Until then the step does nothing, and a frame shows the cleared back
// buffer.

#include "platform/system/clock.hpp"
#include "platform/system/messages.hpp"

namespace burrowix {

class Surface;

namespace dispatch {

// First-frame initialisation: pointer shapes and fonts, every widget, effects, records, music.
// Ends by clearing app.firstFrame and setting app.screenEnterTime.
void firstFrameInit();

// Frame steps, in frame order.
void drawLevelPreview();
void runGameScreenFrame();
void leaveLogoScreen(); // the logo's time is up: to the main menu
void drawCurrentScreen();
void drawAllWidgets();
void hideAllWidgets();
void showCurrentScreenWidgets();
void showLevelChoiceWidgets();
void runMagnifier();
void drawPointer(int x, int y, Ticks now);

// State owned by the screens: the level-choice difficulty dialog (2 while it is open) and the
// level-choice snapshot surface (null while there is none).
int difficultyDialogState();
Surface* snapshotSurface();

// Per-screen handling of input messages, after the shell stored the mouse position.
void screenInput(const Message& message);

// The window's close work (fonts, effects, temporary files, saving the three files) and destroy
// work besides releasing the display and posting the quit message.
void closeWork();
void destroyWork();

} // namespace dispatch
} // namespace burrowix
