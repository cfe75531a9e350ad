#include "app/startup.hpp"

#include "app/attract_mode.hpp"
#include "app/game_screen.hpp"
#include "app/key_settings.hpp"
#include "app/own_level_pack.hpp"
#include "app/pack_catalogue.hpp"
#include "app/picture_loading.hpp"
#include "app/record_files.hpp"
#include "app/replay_watching.hpp"
#include "app/run_frame.hpp"
#include "app/screen_table.hpp"
#include "app/startup_diagnosis.hpp"
#include "app/test_play.hpp"
#include "app/window_procedure.hpp"
#include "audio/effect_bank.hpp"
#include "audio/effect_device.hpp"
#include "audio/effect_handles.hpp"
#include "audio/game_music.hpp"
#include "platform/display/display.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/system/window_settings.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/fatal_error.hpp"
#include "platform/system/main_window.hpp"
#include "platform/system/pack_scan.hpp"
#include "platform/text/font_files.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"
#include "state/still_frame_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

// A start-up that cannot go on: the window goes, and the loop ends on the quit message that the
// destroy work posts (run directly when there is no window).
void endStartup()
{
    if (app.mainWindow && app.mainWindow->exists())
        app.mainWindow->destroy();
    else
        onDestroy();
}

// The message box, then the same ending.
int fail(int status, const std::string& message)
{
    app.exitStatus = 1;
    const bool hadWindow = app.mainWindow && app.mainWindow->exists();
    const int result = FatalError(app.mainWindow, status, "%s", message.c_str());
    if (!hadWindow)
        onDestroy();
    return result;
}

// Lets the display loss and release paths and the catalogue's selections reach the pictures.
void connectPictures()
{
    theDisplay.releaseSteps.releasePictures = [] {
        app.clearPicture = nullptr;
        thePictures.reset();
    };
    theDisplay.restoreSteps.reloadPictures = [] { return reloadAllPictures(theCatalogue, thePictures); };
    startSnapshotCountdownOnRestore();
    // The widgets' pictures come back into their surfaces and the pointer's sheets with them; the
    // screens rebuild the widget buffers when they show their widgets again.
    theDisplay.restoreSteps.rebuildScreenSurfaces = [] {
        theGui.pictures.reloadAllPictures();
        addGamePointerShapes(theGui.pointer, theDisplay);
    };
    theCatalogue.hooks.reloadThemePictures = [] { loadThemePictures(theDisplay, theCatalogue, thePictures); };
    theCatalogue.hooks.reloadPackPicture = [] { reloadPackPicture(theDisplay, theCatalogue, thePictures); };
}

// Releasing the display also shuts the effect output down: entries, then voices, then the device.
void connectEffects()
{
    theDisplay.releaseSteps.shutDownEffects = [] {
        if (soundDevice.device) {
            effectBank.releaseAllEffects();
            effectBank.stopAllVoices();
        }
        closeSoundDevice();
    };
}

} // namespace

int InitApplication(StartupDevices devices)
{
    app.reset();
    theRecords.reset();
    screenFlow.reset();
    gameScreen.reset();
    levelPresentation.reset();
    world.reset();
    thePictures.reset();
    stillFrame.reset();
    theCatalogue.reset();
    ownLevelPack.reset();
    resetReplayPlayback();
    resetTestPlay();
    resetAttractMode();
    theGui.reset();
    destroyFonts();
    theFontFiles.reset();
    registerGameScreen();
    if (menuHooks().reset)
        menuHooks().reset();
    app.clock = devices.clock;
    app.events = devices.events;
    app.mainWindow = devices.window;

    addGameFontFiles();
    if (!theCatalogue.build(findPackFiles("."))) {
        reportStartupFailure(describeMissingPacks("."));
        app.exitStatus = 1;
        endStartup();
        return 0;
    }

    if (!devices.presenter || setUpDisplay(theDisplay, std::move(devices.presenter)) != DisplayResult::Ok) {
        reportStartupFailure("the display's frame buffers could not be made");
        return fail(int(DisplayResult::Failed), "CreateSurface FAILED");
    }
    connectPictures();
    connectEffects();

    // The logo goes on screen first; everything else loads behind it.
    app.currentScreen = ScreenLogo;
    loadLogoPictures(theDisplay, theCatalogue, thePictures);
    if (thePictures.allPicture && thePictures.interfaceImages[kLogoImage]) {
        app.clearPicture = thePictures.allPicture.get();
        presentBackgroundNow();
    }

    std::string missingPicture;
    const std::string missing = loadStartupPictures(theDisplay, theCatalogue, thePictures, &missingPicture);
    if (!missing.empty()) {
        reportStartupFailure(describeMissingPicture(theCatalogue, missingPicture));
        return fail(0, missing);
    }
    app.clearPicture = thePictures.allPicture.get();

    readOptions();
    // The window read the settings file before it opened: its key lines come from there.
    if (app.mainWindow)
        useKeyBindings(app.mainWindow->settings.keys, kWindowSettingsFile);
    else
        loadKeyBindings(kWindowSettingsFile);
    const Options& options = theRecords.options;
    app.musicOn = options.musicEnabled;
    app.soundOn = options.soundEnabled;
    app.cursorVisible = 0;
    app.currentScreen = ScreenLogo;
    app.frameInterval = frameIntervalForSpeed(options.gameSpeed);
    // Without an effect device the game runs silent, and says nothing about it.
    app.soundAvailable = 0;
    if (openSoundDevice(app.mainWindow) >= 0) {
        app.soundAvailable = 1;
        effectBank.setEffectVolume(options.soundVolume);
    }
    if (app.soundAvailable)
        loadEffectTable();
    return 0;
}

void firstFrameInit()
{
    addGamePointerShapes(theGui.pointer, theDisplay);
    createGameFonts(theDisplay.backBuffer.get());
    theGui.clock = app.clock;
    if (menuHooks().createWidgets)
        menuHooks().createWidgets();
    reloadEffectTable();
    if (app.soundAvailable)
        effectBank.reapVoices();
    // The table is loaded a second time; the handles name the second copy until a level starts.
    loadEffectTable();
    readHallOfFame();
    readProgress();
    ownLevelPack.load();
    theRecords.startNewGameValues();
    startGameMusic(app.mainWindow, app.musicOn, theRecords.options.musicVolume);
    app.firstFrame = 0;
    app.screenEnterTime = app.clock ? app.clock->ticks() : 0;
}

void releaseApplication()
{
    stopGameMusic();
    releaseDisplay(theDisplay);
    theGui.reset();
    thePictures.reset();
    theCatalogue.reset();
    theCatalogue.hooks = {};
}

} // namespace burrowix
