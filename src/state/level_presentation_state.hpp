#pragma once
// The game screen's presentation state around the world: the HUD and its slide, the five message panels
// with their shared drop-and-rise animation, the end of a level and of the game. One instance,
// `levelPresentation`; the world writes a few of its fields (the level ending, the HUD hiding at a
// death). The HUD, the panels and the level end build on these fields.

#include <array>
#include <cstdint>

#include "platform/system/clock.hpp"

namespace burrowix {

// The five message panels.
enum PanelId : int { PanelControls, PanelLevelStart, PanelExit, PanelDied, PanelLevelComplete, kPanelCount };

struct PanelFlags {
    int up = 0;        // started and not yet risen away
    int dropFlag = 0;  // 1 while dropping; 2 when settled (died and level-complete panels)
    int riseFlag = 0;  // 1 while rising away
};

struct LevelPresentationState {
    // HUD: shown, sliding (-1 hiding, +1 showing), how far it is hidden (0..10).
    int hudShown = 0;
    int hudSlide = 0;
    int hudOffset = 0;
    Ticks hudTime = 0;
    // The weapon selector gliding towards the current weapon, and the strip frame it turns.
    int selectorY = 27;
    int selectorFrame = 0;
    Ticks selectorTime = 0;

    // The panel on screen: its position and animation counters, shared by all five panels.
    int panelY = -110;
    int panelStep = 0;
    int panelWobbling = 0;
    int panelWobble = 0;
    Ticks panelTime = 0;
    std::array<PanelFlags, kPanelCount> panels{};
    int lightOn = 1;
    Ticks lightTime = 0;

    int levelEnding = 0; // 1: goals met, the HUD hides; 2: the level-complete panel is up
    int leaveAfterExitPanel = 0;
    int deathTimerState = 0; // 0 idle, 1 armed, -1 done
    Ticks deathTimerStart = 0;
    int keyDelayPhase = 0;
    Ticks keyDelayStart = 0;
    int panelKeysAccepted = 1;
    int gameOverPending = 0;

    void reset() { *this = LevelPresentationState{}; }
};

extern LevelPresentationState levelPresentation;

} // namespace burrowix
