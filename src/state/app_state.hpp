#pragma once
// The application shell's program-wide state: the frame clock and pacing, the window's activity,
// the current screen and the mouse position. One instance, `app`; start-up and tests reset it.

#include <cstdint>

#include "platform/system/clock.hpp"

namespace burrowix {

class Clock;
class EventSource;
class Surface;
struct MainWindow;

// Screen identifiers.
enum Screen : int {
    ScreenMainMenu = 0,
    ScreenGame = 1,
    ScreenLevelChoice = 2,
    ScreenOptions = 3,
    ScreenControls = 4,
    ScreenHallOfFame = 6,
    ScreenHelp = 7,
    ScreenLogo = 8,
    ScreenExit = 10,
    ScreenGameOver = 11,
    ScreenEditor = 12,
};

// Milliseconds between presented frames before the options are read.
constexpr int kDefaultFrameInterval = 30;
// The logo screen gives way to the main menu after this long.
constexpr std::int32_t kLogoTime = 8000;

struct AppState {
    MainWindow* mainWindow = nullptr;
    Clock* clock = nullptr;
    EventSource* events = nullptr;

    int appActive = 0;
    int firstFrame = 1;
    // The game's time: the clock's ticks less the time play stood paused, so every timer of the
    // rules continues after a pause where it stopped.
    Ticks frameClock = 0;
    // The clock's ticks at the last frame run.
    Ticks lastFrameTime = 0;
    // Play stands paused ("Paused" panel), and the ticks paused so far.
    int paused = 0;
    Ticks pausedTicks = 0;
    int frameInterval = kDefaultFrameInterval;
    Ticks screenEnterTime = 0;
    int currentScreen = ScreenLogo;
    int cursorVisible = 0;
    int worldReady = 0;
    int cellSize = 40;
    int soundAvailable = 0;
    int soundOn = 0;
    int musicOn = 0;
    int snapshotCountdown = 0;
    // Something the frame shows may have changed since the last composed frame (input arrived, the
    // screen or the display changed); a still screen composes a frame only then.
    bool frameChanged = true;
    int mouseX = 0;
    int mouseY = 0;

    // "all.bmp": its top-left pixel is the colour every frame starts from. Set by start-up.
    Surface* clearPicture = nullptr;
    // The difficulty dialog's still picture has been taken (once per run).
    int dialogSnapshotTaken = 0;
    // The window has been closed; later close requests are ignored.
    int closed = 0;
    // The program's exit status, carried by the quit message: 1 after a failed start-up or save.
    int exitStatus = 0;

    void reset() { *this = AppState{}; }
};

extern AppState app;

// 40 - game speed, unlimited: a speed of 40 or more gives a frame on every pass.
inline int frameIntervalForSpeed(int gameSpeed) { return 40 - gameSpeed; }

} // namespace burrowix
