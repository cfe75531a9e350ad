// The game's entry point: opens the window and the display, loads the frame's clear colour, and runs
// the message loop until the window is closed.

#include <SDL.h>

#include <filesystem>
#include <memory>

#include "app/app_state.hpp"
#include "app/main_loop.hpp"
#include "app/run_frame.hpp"
#include "app/window_procedure.hpp"
#include "menus/options.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/display/display.hpp"
#include "platform/display/fatal_error.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/main_window.hpp"

using namespace burrowix;

namespace {

constexpr const char* kStandardPackName = "standart.pak";

struct Program {
    SdlClock clock;
    SdlEventSource events;
    MainWindow window;
    std::unique_ptr<PackArchive> standard;
    std::unique_ptr<Surface> clearPicture;
    WindowPresenter* presenter = nullptr;
};

// Start-up: window, display, the pictures the frame needs, the pacing from the options. 0 when the
// loop is to run (also after a fatal error that destroyed the window, so that the loop collects the
// quit message), otherwise the failing status.
int InitApplication(Program& p)
{
    app.reset();
    app.clock = &p.clock;
    app.events = &p.events;
    app.mainWindow = &p.window;
    p.window.procedure = WindowProc;
    if (!p.window.create(kWindowTitle))
        return -1;

    if (std::filesystem::is_regular_file(kStandardPackName)) {
        p.standard = std::make_unique<PackArchive>(kStandardPackName);
        standardPack = p.standard.get();
    }

    std::unique_ptr<FramePresenter> presenter = p.window.makePresenter();
    if (!presenter)
        return FatalError(&p.window, int(DisplayResult::Failed), "CreateSurface FAILED");
    p.presenter = static_cast<WindowPresenter*>(presenter.get());
    setUpDisplay(theDisplay, std::move(presenter));
    p.events.onDeviceReset = [&p] {
        if (p.presenter && theDisplay.isSetUp()) {
            p.presenter->markLost();
            loseAllSurfaces(theDisplay);
        }
    };
    theDisplay.releaseSteps.releasePictures = [&p] {
        app.clearPicture = nullptr;
        p.clearPicture.reset();
        p.presenter = nullptr;
    };
    startSnapshotCountdownOnRestore();
    theDisplay.restoreSteps.reloadPictures = [&p] {
        if (!p.clearPicture)
            return DisplayResult::Ok;
        const DisplayResult r = reloadBitmap(p.clearPicture.get(), "all.bmp");
        setColorKey(p.clearPicture.get(), packRgb(0, 0, 0));
        return r;
    };

    p.clearPicture = loadBitmapSurface(theDisplay, "all.bmp");
    if (!p.clearPicture)
        return FatalError(&p.window, 0, "DDLoadBitmap1 FAILED");
    app.clearPicture = p.clearPicture.get();
    setColorKey(p.clearPicture.get(), packRgb(0, 0, 0));
    setColorKey(theDisplay.backBuffer.get(), packRgb(0, 0, 0));
    theDisplay.greenPixel = colorMatch(theDisplay.backBuffer.get(), packRgb(0, 255, 0));

    StoredOptions stored;
    readOptionsFile(kOptionsFileName, stored);
    app.cursorVisible = 0;
    app.currentScreen = ScreenLogo;
    app.frameInterval = frameIntervalForSpeed(stored.options.gameSpeed);
    return 0;
}

} // namespace

int main(int, char**)
{
    Program program;
    int code = 0;
    if (InitApplication(program) == 0)
        code = runMessageLoop();
    program.window.destroy();
    releaseDisplay(theDisplay);
    standardPack = nullptr;
    program.standard.reset();
    SDL_Quit();
    return code;
}
