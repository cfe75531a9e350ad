// The game's entry point: opens the window, runs the start-up sequence and the message loop until
// the window is closed.

#include <SDL.h>

#include "app/main_loop.hpp"
#include "app/startup.hpp"
#include "app/window_procedure.hpp"
#include "menus/menu_screens.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/fatal_error.hpp"
#include "platform/system/main_window.hpp"

using namespace burrowix;

int main(int, char**)
{
    registerMenuScreens();
    SdlClock clock;
    SdlEventSource events;
    MainWindow window;
    window.procedure = WindowProc;
    window.settingsPath = kWindowSettingsFile;
    window.settings = readWindowSettings(window.settingsPath);
    if (!window.create(kWindowTitle))
        return 0;
    connectWindowEvents(events, window);

    int code = 0;
    if (InitApplication({&clock, &events, &window, window.makePresenter()}) == 0)
        code = runMessageLoop();
    window.destroy();
    releaseApplication();
    SDL_Quit();
    return code;
}
