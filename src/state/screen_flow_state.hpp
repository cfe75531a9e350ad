#pragma once
// The screen flow's state that the world reads: the level number, the preview's place on the
// level-choice screen, whether the magnifier is up, and the two switches a level start resets. One
// instance, `screenFlow`.

namespace burrowix {

struct ScreenFlowState {
    int levelNumber = 0; // the level being played or previewed, 0-based; kept in "opt.dat"
    int previewOriginX = 0;
    int previewOriginY = 0;
    int magnifierOn = 0;
    int levelChoiceKeysEnabled = 1;
    int nameEntryState = 0; // 0 no name entry, 1 the name field is open, 2 the name was stored
    int gameOverKind = -1;  // the game-over screen's variant: 0 lost, 1 won; -1 outside it
    int pendingScore = 0;   // the score a name entry at game over stores

    void reset() { *this = ScreenFlowState{}; }
};

extern ScreenFlowState screenFlow;

} // namespace burrowix
