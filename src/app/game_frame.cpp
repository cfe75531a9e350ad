#include "app/game_frame.hpp"

#include "app/fire_cue.hpp"
#include "app/hud.hpp"
#include "app/level_end.hpp"
#include "app/message_panels.hpp"
#include "app/replay_watching.hpp"
#include "app/replay_recording.hpp"
#include "app/world_reports.hpp"
#include "state/level_presentation_state.hpp"
#include "platform/display/blit.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/background_block.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"
#include "world/world_step.hpp"

namespace burrowix {

namespace {

constexpr int kPointerPicture = assets::interfaceSlot(assets::PictureId::YouPointer);
constexpr int kPointerSize = assets::frameWidth(assets::PictureId::YouPointer);

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

bool stepGameWorld(Surface* backBuffer)
{
    if (!world.theWorld || !world.theDigger)
        return false;
    World& w = *world.theWorld;
    FrameInput in;
    in.now = app.frameClock;
    in.running = !gameScreen.frozen;
    in.arrows = heldArrows();
    in.view = drawRange(w);
    in.levelChoice = app.currentScreen == ScreenLevelChoice;
    in.magnifierOn = screenFlow.magnifierOn;
    prepareWorldForShell(w);
    stepWorld(w, *world.theDigger, in, backBuffer);
    applyWorldEvents(w);
    if (!w.diggerDead)
        drawFailedFireCue(w, *world.theDigger, backBuffer);
    runHud(w, *world.theDigger, backBuffer);
    return in.running;
}

bool gameFrameCoversScreen()
{
    // A scroll under way moves the blocks in the step before they are drawn.
    return !app.paused && !replayIsPlaying() && world.theWorld && world.theDigger && !world.theWorld->scrolling &&
           backgroundCoversScreen(*world.theWorld);
}

void RunGameFrame(Surface* backBuffer)
{
    if (replayIsPlaying()) {
        runReplayFrame(backBuffer);
        return;
    }
    if (!world.theWorld || !world.theDigger)
        return;
    World& w = *world.theWorld;
    const bool playRan = stepGameWorld(backBuffer);
    if (world.theDigger)
        recordFrame(w, world.theDigger->cellIndex(w), playRan, app.frameClock);
    // Death and the panels may start the level again: the world and the digger are new then.
    panelsAndLevelEnd(backBuffer);
    if (app.currentScreen == ScreenGame && world.theDigger)
        drawDiggerPointer(*world.theDigger, backBuffer);
}

} // namespace burrowix
