#pragma once
// Bringing the program up: the pack catalogue, the display, every shared picture, the options, and
// the logo screen; the first frame's initialisation. The window, clock and event source are made
// by the caller (the game's entry point, or a test without a window).

#include <memory>

namespace burrowix {

class Clock;
class EventSource;
class FramePresenter;
struct MainWindow;

struct StartupDevices {
    Clock* clock = nullptr;
    EventSource* events = nullptr;
    MainWindow* window = nullptr;              // already created; null when running without one
    std::unique_ptr<FramePresenter> presenter; // shows the frames; null fails the display set-up
};

// The start-up sequence. 0 when the message loop is to run (also after a fatal error or a missing
// pack, which already destroyed the window, so the loop collects the quit message), otherwise the
// failing display status.
int InitApplication(StartupDevices devices);

// The first frame's part of start-up: records, the running game values, the logo's start time.
void firstFrameInit();

// What the program owns beyond the frame: the catalogue's archives and the pictures. For the end of
// the entry point and for tests.
void releaseApplication();

} // namespace burrowix
