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
#include "platform/system/folder_lock.hpp"
#include "platform/system/main_window.hpp"
#include "platform/system/message_box.hpp"
#include "platform/system/temp_files.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

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

// Two copies in one folder would each save at close, the later silently overwriting the other's
// hall of fame, progress and options: the second one says so and does not start.
void refuseSecondCopy()
{
    std::error_code ec;
    const std::string folder = std::filesystem::current_path(ec).string();
    const std::string why = "another copy of the game is running in the folder " + folder +
                            " and saves there when it closes; close it first";
    reportStartupFailure(why);
    SDL_Init(SDL_INIT_VIDEO);
    showMessageBox(kWindowTitle, ("Burrowix is already running in this folder:\n" + folder).c_str());
    SDL_Quit();
}

} // namespace

int main(int, char**)
{
    FolderLock folderLock;
    if (folderLock.acquire(".") == FolderLock::Result::InUse) {
        refuseSecondCopy();
        return 1;
    }
    // What a killed earlier run left: its half-written saves and its temporary folder.
    removeAbandonedRecordTemporaries();
    if (!usePrivateTemporaryFolder())
        std::fprintf(stderr, "burrowix: cannot make a temporary folder in %s: %s\n", temporaryFolder().c_str(),
                     std::strerror(errno));
    const int code = run();
    removePrivateTemporaryFolder();
    return code;
}
