// The game's entry point: opens the window, runs the start-up sequence and the message loop until
// the window is closed.

#include <SDL.h>

#include "app/main_loop.hpp"
#include "app/record_files.hpp"
#include "app/startup.hpp"
#include "app/startup_diagnosis.hpp"
#include "app/window_procedure.hpp"
#include "menus/menu_screens.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/fatal_error.hpp"
#include "platform/system/main_window.hpp"
#include "platform/system/temp_files.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace burrowix;

namespace {

int run()
{
    registerMenuScreens();
    SdlClock clock;
    SdlEventSource events;
    MainWindow window;
    window.procedure = WindowProc;
    window.settingsPath = kWindowSettingsFile;
    window.settings = readWindowSettings(window.settingsPath);
    if (!window.create(kWindowTitle)) {
        reportStartupFailure("the window cannot be opened");
        return 1;
    }
    connectWindowEvents(events, window);

    // A start-up that fails before the loop has already said why.
    const int status = InitApplication({&clock, &events, &window, window.makePresenter()});
    const int code = status == 0 ? runMessageLoop() : 1;
    window.destroy();
    releaseApplication();
    SDL_Quit();
    return code;
}

} // namespace

int main(int, char**)
{
    // What a killed earlier run left: its half-written saves and its temporary folder.
    removeAbandonedRecordTemporaries();
    if (!usePrivateTemporaryFolder())
        std::fprintf(stderr, "burrowix: cannot make a temporary folder in %s: %s\n", temporaryFolder().c_str(),
                     std::strerror(errno));
    const int code = run();
    removePrivateTemporaryFolder();
    return code;
}
