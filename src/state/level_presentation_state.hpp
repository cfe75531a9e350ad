#pragma once
// The end-of-level and panel state the world touches: the level-complete flag, the pending game
// over, the message panel's slide and the HUD's slide. One instance, `levelPresentation`. The
// panels, the HUD and their drawing build on these fields.

namespace burrowix {

struct LevelPresentationState {
    int levelEnding = 0;     // the level-complete sequence runs
    int gameOverPending = 0;
    int panelStep = 0;
    int panelY = 0;
    int hudSlide = 0;

    void reset() { *this = LevelPresentationState{}; }
};

extern LevelPresentationState levelPresentation;

} // namespace burrowix
