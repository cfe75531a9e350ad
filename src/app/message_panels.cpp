#include "app/message_panels.hpp"

#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "app/level_end.hpp"
#include "app/screen_widgets.hpp"
#include "app/test_play.hpp"
#include "state/picture_tables.hpp"
#include "app/pack_catalogue.hpp"
#include "app/screen_flow.hpp"
#include "state/screen_flow_state.hpp"
#include "audio/effect_handles.hpp"
#include "platform/display/blit.hpp"
#include "platform/system/messages.hpp"
#include "platform/text/draw_number.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kFonePicture = 19;
constexpr int kMessagePicture = 21;
constexpr int kControlsPicture = 45;

constexpr int kDropStep = 40;
constexpr int kWobbleStep = 50;
constexpr int kLightStep = 200;
constexpr int kLastStep = 14;
constexpr int kSettled = 11; // wobble count of a panel at rest
constexpr int kRestY = 250;
constexpr int kPanelX = 290;

constexpr int kDropTable[kLastStep + 1] = {-110, -35, 52, 139, 215, 275, 317, 340, 347, 341, 326, 307, 286, 267, 250};
constexpr int kRiseTable[kLastStep + 1] = {0, -17, -36, -57, -76, -91, -97, -90, -67, -25, 35, 111, 198, 285, 400};

LevelPresentationState& s = levelPresentation;

// Panel kinds drawn by DrawMessagePanel.
constexpr int kKindLevelStart = 0;
constexpr int kKindExit = 1;
constexpr int kKindDied = 2;
constexpr int kKindLevelComplete = 3;

// The exit panel's right wing and its two buttons are widgets; they keep their x.
constexpr const char* kExitWidgets[] = {"exit_pan", "ImageYes", "ImageNo"};
constexpr int kExitWidgetX = 478;

void showExitPanelWidgets(bool shown)
{
    for (const char* name : kExitWidgets)
        shown ? showWidget(name) : hideWidget(name);
}

void placeExitPanelWidgets(int y0, int w)
{
    moveWidget("exit_pan", kExitWidgetX, y0);
    moveWidget("ImageYes", kExitWidgetX, y0 + 53 + 10 * w);
    moveWidget("ImageNo", kExitWidgetX, y0 + 87 + 10 * w);
}

bool diggerIsDead()
{
    return world.theDigger && world.theDigger->dead;
}

Surface* picture(int slot)
{
    return thePictures.interfaceImages[slot].get();
}

void blitPiece(Surface* target, int x, int y, int slot, Rect source, bool keyed = true)
{
    blitFast(target, x, y, picture(slot), &source, keyed);
}

// The died and level-complete panels stay marked as settled until they rise.
void settle(PanelId id)
{
    s.panelY = kRestY;
    s.panelWobble = kSettled;
    s.panelWobbling = 0;
    s.panelStep = 0;
    s.panels[id].dropFlag = id == PanelDied || id == PanelLevelComplete ? 2 : 0;
}

void startRising(PanelId id)
{
    PanelFlags& p = s.panels[id];
    p.up = 1;
    p.dropFlag = 0;
    p.riseFlag = 1;
    s.panelWobbling = 0;
    s.panelStep = 0;
    s.panelTime = app.frameClock;
}

// A key or click on a panel: a dropping panel comes to rest at once, a rising one finishes at its
// next step, a resting one starts rising.
void moveOn(PanelId id)
{
    const PanelFlags& p = s.panels[id];
    if (p.riseFlag)
        s.panelStep = kLastStep;
    else if (p.dropFlag == 1)
        settle(id);
    else
        startRising(id);
}

void endOfLevelStartPanel()
{
    gameScreen.frozen = 0;
    s.hudShown = 1;
    s.hudSlide = 1;
    s.hudOffset = 10;
    gameScreen.showPointer = 1;
}

void endOfExitPanel()
{
    gameScreen.frozen = 0;
    showExitPanelWidgets(false);
    if (s.leaveAfterExitPanel && testPlayRunning()) {
        endTestPlay(TestPlayEnd::Left);
    } else if (s.leaveAfterExitPanel) {
        SetScreen(ScreenLevelChoice);
        app.cursorVisible = 1;
    } else {
        app.cursorVisible = 0;
    }
}

void endAction(PanelId id)
{
    s.panels[id] = PanelFlags{};
    switch (id) {
    case PanelControls: StartPanel(PanelLevelStart); break;
    case PanelLevelStart: endOfLevelStartPanel(); break;
    case PanelExit: endOfExitPanel(); break;
    case PanelDied: diedPanelRisen(); break;
    case PanelLevelComplete: levelCompletePanelRisen(); break;
    case kPanelCount: break;
    }
}

// One animation step of a panel when its time has come; true when the panel has risen away.
bool animate(PanelId id)
{
    const Ticks now = app.frameClock;
    PanelFlags& p = s.panels[id];
    if (p.dropFlag == 1 && !s.panelWobbling) {
        if (!elapsedMoreThan(now, s.panelTime, kDropStep))
            return false;
        s.panelTime = now;
        if (++s.panelStep <= kLastStep) {
            s.panelY = kDropTable[s.panelStep];
        } else {
            s.panelWobbling = 1;
            s.panelWobble = 0;
        }
    } else if (p.dropFlag == 1) {
        if (!elapsedMoreThan(now, s.panelTime, kWobbleStep))
            return false;
        s.panelTime = now;
        if (++s.panelWobble >= kSettled)
            settle(id);
    } else if (p.riseFlag) {
        if (!elapsedMoreThan(now, s.panelTime, kDropStep))
            return false;
        s.panelTime = now;
        if (++s.panelStep <= kLastStep)
            s.panelY = kRestY + kRiseTable[s.panelStep];
        else
            return true;
    }
    return false;
}

void drawControlsPanel(Surface* target)
{
    const int w = s.panelWobble;
    blitPiece(target, 310, s.panelY - 102 - 5 * w, kMessagePicture, {471, 373, 632, 430});
    blitPiece(target, 153, s.panelY - 100, kControlsPicture, {0, 0, 493, 301});
    if (theCatalogue.difficulty == 0)
        blitPiece(target, 153, s.panelY - 30, kControlsPicture, {0, 301, 493, 424});
}

// Animates one panel, runs its end action when it has risen away, and draws it while it is up.
void runPanel(PanelId id, Surface* target)
{
    if (animate(id)) {
        endAction(id);
        return;
    }
    if (!s.panels[id].up)
        return;
    switch (id) {
    case PanelControls: drawControlsPanel(target); break;
    case PanelLevelStart: DrawMessagePanel(kKindLevelStart, target); break;
    case PanelExit: DrawMessagePanel(kKindExit, target); break;
    case PanelDied: DrawMessagePanel(kKindDied, target); break;
    case PanelLevelComplete: DrawMessagePanel(kKindLevelComplete, target); break;
    case kPanelCount: break;
    }
}

void drawNumberOn(Surface* target, int value, int x, int y)
{
    drawNumber(target, thePictures.digitsFont.get(), value, x, y, 2);
}

} // namespace

void StartPanel(PanelId which)
{
    s.panels[which] = PanelFlags{1, 1, 0};
    s.panelStep = 0;
    s.panelWobbling = 0;
    s.panelTime = app.frameClock;
    s.lightOn = 1;
    s.lightTime = app.frameClock;
}

void runMessagePanels(Surface* backBuffer)
{
    if (s.levelEnding == 2 && s.panels[PanelLevelComplete].up)
        runPanel(PanelLevelComplete, backBuffer);
    if (diggerIsDead() && s.panels[PanelDied].up)
        runPanel(PanelDied, backBuffer);
    if (s.panels[PanelExit].up && !diggerIsDead())
        runPanel(PanelExit, backBuffer);
    if (s.panels[PanelLevelStart].up)
        runPanel(PanelLevelStart, backBuffer);
    if (s.panels[PanelControls].up)
        runPanel(PanelControls, backBuffer);
}

void DrawMessagePanel(int kind, Surface* target)
{
    const int x0 = kPanelX;
    const int y0 = s.panelY;
    const int w = s.panelWobble;
    const bool exitPanel = kind == kKindExit;

    blitPiece(target, x0 + 25, y0 - 5 * w - 2, kMessagePicture, {499, 316, 644, 373});
    drawNumberOn(target, screenFlow.levelNumber + 1, x0 + 144, y0 - 5 * w + 8);

    const int f = std::max(0, w > 6 ? 12 - w : w);
    blitPiece(target, x0 - 37, y0 + 15, kMessagePicture, {52 * f, 314, 52 * f + 52, 393});

    const int drawerTop = exitPanel ? 416 - 10 * w : 416;
    blitPiece(target, x0 + 169, y0 + 96, kMessagePicture, {370, drawerTop, 471, 463});

    if (elapsedMoreThan(app.frameClock, s.lightTime, kLightStep)) {
        s.lightTime = app.frameClock;
        s.lightOn = !s.lightOn;
    }
    if (s.lightOn)
        blitPiece(target, x0 + 239, y0 + 114 + (exitPanel ? 10 * w : 0), kMessagePicture, {471, 316, 499, 344});

    blitPiece(target, x0, y0, kMessagePicture, {330, 145, 518, 312});

    // The right wing: a picture for three of the panels, the exit panel's widgets for the fourth.
    static constexpr Rect kWings[] = {{0, 393, 90, 560}, {}, {180, 393, 270, 560}, {270, 393, 360, 560}};
    if (exitPanel)
        placeExitPanelWidgets(y0, w);
    else if (kind >= 0 && kind <= 3)
        blitPiece(target, x0 + 188, y0, kMessagePicture, kWings[kind]);

    static constexpr Rect kTexts[] = {{165, 0, 330, 145}, {0, 0, 165, 145}, {330, 0, 495, 145}, {0, 145, 165, 290}};
    if (kind < 0 || kind > 3)
        return;
    blitPiece(target, x0 + 21, y0 + 10, kMessagePicture, kTexts[kind], false);
    if (kind == kKindLevelStart && world.theWorld) {
        const World& wd = *world.theWorld;
        if (wd.goldGoalOn == 1)
            drawNumberOn(target, wd.goldGoal, x0 + 152, y0 + 64);
        if (wd.killGoalOn == 1)
            drawNumberOn(target, wd.killGoal, x0 + 152, y0 + 110);
    }
}

void drawDimming(Surface* target)
{
    static constexpr Rect kSquare{0, 0, 20, 20};
    const Surface* pattern = picture(kFonePicture);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            blitFast(target, x * 20, y * 20, pattern, &kSquare, true);
}

bool panelKeyDown(std::uint32_t key)
{
    if (s.panels[PanelControls].up) {
        moveOn(PanelControls);
        return true;
    }
    if (s.panels[PanelLevelStart].up) {
        moveOn(PanelLevelStart);
        return true;
    }
    if (diggerIsDead()) {
        if (s.panels[PanelDied].up)
            moveOn(PanelDied);
        return true;
    }
    if (s.levelEnding) {
        if (s.panelKeysAccepted && s.panels[PanelLevelComplete].up)
            moveOn(PanelLevelComplete);
        return true;
    }
    const PanelFlags& exit = s.panels[PanelExit];
    if (!exit.up)
        return false;
    if (exit.riseFlag || exit.dropFlag == 1)
        moveOn(PanelExit);
    else if (key == Key::Enter || key == Key::Escape) {
        playEffect(theEffects.effectMenu);
        closeExitPanel(key == Key::Enter);
    }
    return true;
}

bool panelMouseDown()
{
    // A click acts as a key that is neither Enter nor Esc: the exit panel's choices are its buttons.
    return panelKeyDown(0);
}

void openExitPanel()
{
    playEffect(theEffects.effectMenu);
    app.cursorVisible = 1;
    const bool wasFrozen = gameScreen.frozen != 0;
    gameScreen.frozen = 1;
    showExitPanelWidgets(true);
    s.panelWobble = 0;
    if (!wasFrozen) {
        StartPanel(PanelExit);
    } else {
        s.leaveAfterExitPanel = 0;
        startRising(PanelExit);
    }
}

void closeExitPanel(bool leaveLevel)
{
    if (!s.panels[PanelExit].up || s.panels[PanelExit].riseFlag)
        return;
    startRising(PanelExit);
    s.leaveAfterExitPanel = leaveLevel ? 1 : 0;
}

} // namespace burrowix
