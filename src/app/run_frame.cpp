#include "app/run_frame.hpp"

#include <algorithm>

#include "app/attract_mode.hpp"
#include "app/frame_dispatch.hpp"
#include "app/game_frame.hpp"
#include "app/screen_table.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/gui/gui_state.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "state/still_frame_state.hpp"

namespace burrowix {

namespace {

constexpr Rect kClearPixel{0, 0, 1, 1};

// Stretches the clear colour over a surface, repeating while it is busy. Ok, SurfaceLost or the
// failure that stopped it.
DisplayResult clearSurface(Surface* target)
{
    for (;;) {
        const DisplayResult r = blitStretch(target, nullptr, app.clearPicture, &kClearPixel, false);
        if (r != DisplayResult::StillDrawing)
            return r;
    }
}

// What a clear would report for the back buffer, without clearing it.
DisplayResult readyBackBuffer(const Surface* back)
{
    for (;;) {
        const DisplayResult r = back->checkReady();
        if (r != DisplayResult::StillDrawing)
            return r;
    }
}

// The frame's clear (unless the game's level covers the whole frame), and the screen's full-screen background with it when it has one: a picture
// covering the whole frame is composed with the clear colour in one pass instead of clearing the
// frame and then overwriting it.
DisplayResult clearFrame(Surface* back)
{
    const ScreenEntry& entry = screenEntry(app.currentScreen);
    const int index = entry.background ? entry.background() : -1;
    const Surface* picture = index >= 0 && std::size_t(index) < thePictures.interfaceImages.size()
                                 ? thePictures.interfaceImages[std::size_t(index)].get()
                                 : nullptr;
    if (!picture && app.currentScreen == ScreenGame && app.worldReady && app.cellSize == 40 &&
        gameFrameCoversScreen())
        return readyBackBuffer(back);
    const Surface* clear = app.clearPicture;
    if (picture && clear && picture->width() >= back->width() && picture->height() >= back->height() &&
        !clear->isLost() && !picture->isLost())
        for (;;) {
            const DisplayResult r = fillThenBlit(back, clear->pixel(0, 0), picture, entry.backgroundKeyed);
            if (r != DisplayResult::StillDrawing)
                return r;
        }
    const DisplayResult r = clearSurface(back);
    if (r == DisplayResult::Ok && picture)
        blitFast(back, 0, 0, picture, nullptr, entry.backgroundKeyed);
    return r;
}

// What this frame has to do. A still screen shows the same picture until input arrives or the
// screen or display changes, unless something on it moves by itself: the name field's caret, the
// difficulty dialog, a pending rebuild, or the animated pointer, whose next picture alone is drawn
// when the screen under it is kept.
enum class FrameWork { Nothing, PointerOnly, Whole };

// The screen has to be composed whatever the time: something changed, or it is not still.
bool mustCompose()
{
    return app.frameChanged || !screenEntry(app.currentScreen).still || !theDisplay.backBuffer ||
           theDisplay.backBuffer->isLost() || app.snapshotCountdown != 0 || screenFlow.nameEntryState == 1 ||
           dispatch::difficultyDialogState() == 2;
}

FrameWork frameWork()
{
    if (mustCompose())
        return FrameWork::Whole;
    if (!app.cursorVisible || !theGui.pointer.frameDue(app.frameClock))
        return FrameWork::Nothing;
    const Surface* under = stillFrame.underPointer.get();
    const Surface* back = theDisplay.backBuffer.get();
    return stillFrame.valid && under && under->width() == back->width() && under->height() == back->height() &&
                   !under->isLost()
               ? FrameWork::PointerOnly
               : FrameWork::Whole;
}

// Keeps the composed screen of a still screen before the pointer goes on it; any other screen's
// frame makes the kept one stale.
void keepScreenUnderPointer(Surface* back)
{
    stillFrame.valid = false;
    if (!screenEntry(app.currentScreen).still || !app.cursorVisible)
        return;
    std::unique_ptr<Surface>& under = stillFrame.underPointer;
    if (!under || under->width() != back->width() || under->height() != back->height())
        under = std::make_unique<Surface>(back->width(), back->height());
    stillFrame.valid = blitFast(under.get(), 0, 0, back, nullptr, false) == DisplayResult::Ok;
}

// The pointer drawn last, over the screen; where it went is kept for the next pointer-only frame.
void drawPointerLast()
{
    stillFrame.pointerRect = {};
    if (!app.cursorVisible)
        return;
    stillFrame.pointerRect = theGui.pointer.coveredRect(app.mouseX, app.mouseY);
    dispatch::drawPointer(app.mouseX, app.mouseY, app.frameClock);
}

// The pointer's next picture over the kept screen: the squares of the last and the new pointer are
// copied back and the pointer drawn, which gives the pixels a whole frame would.
void redrawPointerOnly(Ticks now)
{
    Surface* back = theDisplay.backBuffer.get();
    const Rect old = stillFrame.pointerRect;
    const Rect fresh = theGui.pointer.coveredRect(app.mouseX, app.mouseY);
    for (const Rect& r : {old, fresh})
        if (!r.empty())
            blitFast(back, r.left, r.top, stillFrame.underPointer.get(), &r, false);
    drawPointerLast();
    if (theDisplay.presenter) {
        const int top = old.empty() ? fresh.top : fresh.empty() ? old.top : std::min(old.top, fresh.top);
        const int bottom = std::max(old.empty() ? 0 : old.bottom, fresh.empty() ? 0 : fresh.bottom);
        theDisplay.presenter->onlyRowsMayChange(top, bottom);
    }
    if (presentFrame(theDisplay) != DisplayResult::Ok)
        app.frameChanged = 1;
    app.lastFrameTime = now;
}

void copyBackBufferToSnapshot()
{
    Surface* snapshot = dispatch::snapshotSurface();
    if (!snapshot)
        return;
    clearSurface(snapshot);
    blitFast(snapshot, 0, 0, theDisplay.backBuffer.get(), nullptr, false);
}

} // namespace

void startSnapshotCountdownOnRestore()
{
    theDisplay.restoreSteps.restoreSnapshot = [] {
        app.snapshotCountdown = 1;
        app.frameChanged = 1;
    };
}

void presentBackgroundNow()
{
    if (theDisplay.backBuffer && clearFrame(theDisplay.backBuffer.get()) == DisplayResult::Ok)
        presentFrame(theDisplay);
}

int msUntilFrameWork(Ticks now)
{
    if (app.firstFrame || app.paused || mustCompose())
        return 0;
    const Ticks clock = now - app.pausedTicks;
    // A change is due at the first tick more than `d` after `since`.
    auto until = [clock](Ticks since, std::int32_t d) {
        const std::int64_t wait = std::int64_t(d) + 1 - std::int32_t(clock - since);
        return int(std::clamp<std::int64_t>(wait, 0, kStillScreenWait));
    };
    int wait = kStillScreenWait;
    const PointerSet& pointer = theGui.pointer;
    if (app.cursorVisible && pointer.current >= 0 && pointer.current < int(pointer.shapes.size()) &&
        pointer.shapes[std::size_t(pointer.current)].lastFrame != 0)
        wait = std::min(wait, until(pointer.lastChange, kPointerFrameTime));
    if (app.currentScreen == ScreenLogo)
        wait = std::min(wait, until(app.screenEnterTime, kLogoTime));
    return msUntilAttract(clock, wait);
}

void RunFrame()
{
    if (app.firstFrame)
        dispatch::firstFrameInit();
    const Ticks now = app.clock->ticks();
    app.frameClock = now - app.pausedTicks;
    if (!elapsedMoreThan(now, app.lastFrameTime, app.frameInterval))
        return;
    // A paused frame does not count: the game's time stays at the last frame played.
    if (app.paused) {
        app.pausedTicks += now - app.lastFrameTime;
        app.frameClock = now - app.pausedTicks;
    }

    if (app.currentScreen == ScreenLogo && elapsedMoreThan(app.frameClock, app.screenEnterTime, kLogoTime))
        dispatch::leaveLogoScreen();
    runAttractMode(app.frameClock);

    const FrameWork work = frameWork();
    // Nothing to compose or present: the screen keeps the last frame, which is this one.
    if (work == FrameWork::Nothing) {
        app.lastFrameTime = now;
        return;
    }
    if (work == FrameWork::PointerOnly) {
        redrawPointerOnly(now);
        return;
    }
    app.frameChanged = 0;
    stillFrame.valid = false;

    const DisplayResult cleared = clearFrame(theDisplay.backBuffer.get());
    if (cleared == DisplayResult::SurfaceLost) {
        restoreAllSurfaces(theDisplay);
        app.frameChanged = 1;
        return;
    }
    if (cleared != DisplayResult::Ok) {
        app.frameChanged = 1;
        return;
    }

    const bool dialogOpen = dispatch::difficultyDialogState() == 2;
    if (app.worldReady && (app.currentScreen == ScreenGame || app.currentScreen == ScreenLevelChoice)) {
        if (app.cellSize == 20) {
            if (!dialogOpen)
                dispatch::drawLevelPreview();
        } else if (app.cellSize == 40) {
            dispatch::runGameScreenFrame();
        }
    }

    dispatch::drawCurrentScreen();
    dispatch::drawAllWidgets();

    // Ten frames after a display restore, the level-choice snapshot and the widgets are rebuilt.
    if (app.snapshotCountdown >= 1 && ++app.snapshotCountdown == 10) {
        app.snapshotCountdown = 0;
        copyBackBufferToSnapshot();
        dispatch::hideAllWidgets();
        dispatch::showCurrentScreenWidgets();
    }

    // The difficulty dialog opens over a still picture of the screen, taken once.
    if (dispatch::difficultyDialogState() == 2 && !app.dialogSnapshotTaken) {
        app.dialogSnapshotTaken = 1;
        copyBackBufferToSnapshot();
        dispatch::hideAllWidgets();
        dispatch::showLevelChoiceWidgets();
    }

    if (dispatch::difficultyDialogState() != 2)
        dispatch::runMagnifier();

    keepScreenUnderPointer(theDisplay.backBuffer.get());
    drawPointerLast();

    // A frame that did not reach the screen is composed again next time.
    if (presentFrame(theDisplay) != DisplayResult::Ok)
        app.frameChanged = 1;
    app.lastFrameTime = now;
}

} // namespace burrowix
