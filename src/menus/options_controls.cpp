#include "menus/options_controls.hpp"

#include "app/screen_flow.hpp"
#include "app/sound_controls.hpp"
#include "common/asset_manifest.hpp"
#include "platform/display/display.hpp"
#include "platform/system/main_window.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"

namespace burrowix {

namespace {

Options& options()
{
    return theRecords.options;
}

void stepSpeed(int step)
{
    const int speed = options().gameSpeed;
    if (step < 0 ? speed > 10 : speed < 19)
        options().gameSpeed = speed + step;
    app.frameInterval = frameIntervalForSpeed(options().gameSpeed);
    playMenuClick();
}

void stepSoundVolume(int step)
{
    if (!options().soundEnabled)
        return;
    const int volume = options().soundVolume;
    if (step < 0 ? volume > 35 : volume < 93)
        options().soundVolume = volume + step;
    setEffectVolume(options().soundVolume);
    playMenuClick();
}

void stepMusicVolume(int step)
{
    if (!options().musicEnabled)
        return;
    const int volume = options().musicVolume;
    if (step < 0 ? volume > 10 : volume < 90)
        options().musicVolume = volume + step;
    setMusicVolume(options().musicVolume);
    playMenuClick();
}

// The whole picture goes to the window again: its place and size changed.
void displayChanged()
{
    if (theDisplay.presenter)
        theDisplay.presenter->screenContentsLost();
    app.frameChanged = 1;
}

} // namespace

void gameSpeedMinus()
{
    stepSpeed(-1);
}
void gameSpeedPlus()
{
    stepSpeed(+1);
}
void soundVolumeMinus()
{
    stepSoundVolume(-8);
}
void soundVolumePlus()
{
    stepSoundVolume(+8);
}
void musicVolumeMinus()
{
    stepMusicVolume(-11);
}
void musicVolumePlus()
{
    stepMusicVolume(+11);
}

void setSoundSwitch(bool on)
{
    if (on)
        unmuteEffects();
    else
        muteEffects();
    app.soundOn = on ? 1 : 0;
    options().soundEnabled = on ? 1 : 0;
}

void setMusicSwitch(bool on)
{
    if (on)
        playMusicTrack(assets::kMenuTrack);
    else
        stopMusicTrack();
    app.musicOn = on ? 1 : 0;
    options().musicEnabled = on ? 1 : 0;
}

void setFullScreenSwitch(bool on)
{
    if (app.mainWindow)
        app.mainWindow->setFullScreen(on);
    displayChanged();
}

void setIntegerScalingSwitch(bool on)
{
    if (app.mainWindow)
        app.mainWindow->setScaling(on ? ScalingMode::Integer : ScalingMode::Fit);
    displayChanged();
}

bool fullScreenOn()
{
    return app.mainWindow ? app.mainWindow->settings.fullScreen : WindowSettings{}.fullScreen;
}

bool integerScalingOn()
{
    const ScalingMode mode = app.mainWindow ? app.mainWindow->settings.scaling : WindowSettings{}.scaling;
    return mode == ScalingMode::Integer;
}

int gameSpeedFrame()
{
    return options().gameSpeed - 10;
}
int soundVolumeFrame()
{
    return (options().soundVolume - 27) / 8;
}
int musicVolumeFrame()
{
    return options().musicVolume / 11;
}

} // namespace burrowix
