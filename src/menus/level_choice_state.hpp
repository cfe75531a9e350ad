#pragma once
// The level-choice screen's state: the preview's slide and snapshot, the pointer over the preview,
// the sign over Brannok, and the difficulty dialog that drops in on the first visit. One instance,
// `levelChoice`; the snapshot surface stays for the rest of the run once made.

#include <memory>

#include "platform/display/surface.hpp"
#include "platform/system/clock.hpp"

namespace burrowix {

// The preview window and the preview's resting origin.
inline constexpr Rect kPreviewWindow{180, 118, 620, 458};
inline constexpr int kPreviewRestX = 220, kPreviewRestY = 158;
// A new preview starts this far from its resting place: its size plus a gap of 40.
inline constexpr int kLevelSlideDistance = 480, kPackSlideDistance = 380;
inline constexpr int kLastLevel = 29;
// The difficulty dialog's panel rests at y 135 and starts its drop at y -225.
inline constexpr int kDialogRestY = 135, kDialogDropStartY = -225;

struct LevelChoiceState {
    int previewSlideX = 0; // 1 moving left, 2 moving right
    int previewSlideY = 0; // 1 moving up, 2 moving down
    int previewSlideKind = 0; // 1 after a level step, 2 after a pack step
    Ticks previewSlideStart = 0;
    int previewSnapshotState = 0; // 1 capture due, -1 capture next frame, 0 captured
    int pointerX = 0, pointerY = 0;

    int signFrame = 0;
    int signRising = 1;
    Ticks signTime = 0;

    int difficultyDialogState = 1; // 2 while the dialog is open, 0 after a difficulty was chosen
    int dialogY = kDialogRestY;
    int dialogStep = 0;
    int dialogWobble = 0;
    int dialogSettling = 0;
    int dialogDropping = 0;
    Ticks dialogTime = 0;

    bool sliding() const { return previewSlideX != 0 || previewSlideY != 0; }
    // Navigation waits for the slide to end and the preview to be captured.
    bool busy() const { return sliding() || previewSnapshotState != 0; }

    void reset() { *this = LevelChoiceState{}; }
};

extern LevelChoiceState levelChoice;
// The still picture of the preview (or of the screen under the dialog); null until first made.
extern std::unique_ptr<Surface> levelChoiceSnapshot;

} // namespace burrowix
