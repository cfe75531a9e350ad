#include "app/game_frame.hpp"

#include "app/fire_cue.hpp"
#include "app/hud.hpp"
#include "app/level_end.hpp"
#include "app/message_panels.hpp"
#include "state/level_presentation_state.hpp"
#include "platform/display/blit.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/enemies.hpp"
#include "world/gravity.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kPointerPicture = 37; // "pointer2.bmp"
constexpr int kPointerSize = 100;

void drawDiggerPointer(const Digger& d, Surface* target)
{
    if (!gameScreen.showPointer || gameScreen.frozen)
        return;
    if (elapsedMoreThan(app.frameClock, gameScreen.pointerTime, kPointerStep)) {
        gameScreen.pointerTime = app.frameClock;
        gameScreen.pointerFrame = gameScreen.pointerFrame + 1 >= kPointerFrames ? 0 : gameScreen.pointerFrame + 1;
    }
    const int f = gameScreen.pointerFrame;
    const int sx = (f % 6) * kPointerSize;
    const int sy = f < 6 ? 0 : kPointerSize;
    const Rect source{sx, sy, sx + kPointerSize, sy + kPointerSize};
    const int x = d.viewCol * app.cellSize + screenFlow.previewOriginX - kPointerSize + 20;
    const int y = d.viewRow * app.cellSize + screenFlow.previewOriginY - kPointerSize + 5;
    blitFast(target, x, y, thePictures.interfaceImages[kPointerPicture].get(), &source, true);
}

// After the HUD: the dimming behind panels, death and game end, the finished level, the panels.
void panelsAndLevelEnd(Surface* backBuffer)
{
    const LevelPresentationState& s = levelPresentation;
    if ((gameScreen.frozen && s.levelEnding == 0) || s.gameOverPending || s.levelEnding == 2)
        drawDimming(backBuffer);
    runDeathAndGameEnd();
    if (app.currentScreen != ScreenGame)
        return;
    runLevelDone();
    runMessagePanels(backBuffer);
}

} // namespace

void RunGameFrame(Surface* backBuffer)
{
    if (!world.theWorld || !world.theDigger)
        return;
    World& w = *world.theWorld;
    Digger& d = *world.theDigger;
    const Ticks now = app.frameClock;

    if (!gameScreen.frozen)
        enemyPass(w, d);
    if (!gameScreen.frozen && elapsedMoreThan(now, d.lastInputTime, kIdleAfter))
        d.pose = PoseIdle;
    if (!gameScreen.frozen && (d.moving || w.scrolling))
        diggerGlide(w, d);
    if (!gameScreen.frozen)
        for (int x = 0; x < w.width; ++x)
            for (int y = 0; y < w.height; ++y)
                w.cells[std::size_t(w.indexOf(x, y))].glideStep();
    drawLevelCells(w, backBuffer);
    updateHitBlink(d, gameScreen.frozen != 0);
    if (!w.diggerDead) {
        drawDigger(w, d, backBuffer);
        drawFailedFireCue(w, d, backBuffer);
        if (elapsedMoreThan(now, gameScreen.throwTime, kThrowStep)) {
            gameScreen.throwTime = now;
            if (d.throwFrame >= 0 && ++d.throwFrame > 2)
                d.throwFrame = -1;
        }
    }
    if (!gameScreen.frozen)
        gravityPass(w, d);
    // The step from the held arrows while play runs; its last part (ending a push) in every frame.
    diggerStep(w, d, !gameScreen.frozen && !w.diggerDead);
    runHud(w, d, backBuffer);
    // Death and the panels may start the level again: the world and the digger are new then.
    panelsAndLevelEnd(backBuffer);
    if (app.currentScreen == ScreenGame && world.theDigger)
        drawDiggerPointer(*world.theDigger, backBuffer);
}

} // namespace burrowix
