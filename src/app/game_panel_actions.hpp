#pragma once
// What the Yes and No buttons of the game screen's leave panel do (the game screen sets them):
// leave the level, or go on playing. The menus create the buttons; a click calls these.

namespace burrowix {

struct GamePanelActions {
    void (*leaveLevel)() = nullptr;
    void (*keepPlaying)() = nullptr;
};

extern GamePanelActions gamePanelActions;

} // namespace burrowix
