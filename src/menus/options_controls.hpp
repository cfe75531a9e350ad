#pragma once
// The options screen's controls: game speed, effect and music volume steps, and the sound and
// music switches. Each changes the option and applies it at once (frame interval, effect volume,
// the music); the steps click even at their bounds, the switches do not. The display switches
// change the main window at once (full screen or a window, whole-multiple scaling or fit), and the
// window saves them in its settings file.

namespace burrowix {

void gameSpeedMinus();
void gameSpeedPlus();
void soundVolumeMinus();
void soundVolumePlus();
void musicVolumeMinus();
void musicVolumePlus();
void setSoundSwitch(bool on);
void setMusicSwitch(bool on);
void setFullScreenSwitch(bool on);
void setIntegerScalingSwitch(bool on);
// The window's settings as the display switches show them; the defaults without a window.
bool fullScreenOn();
bool integerScalingOn();

// The frames of "arrows0_.bmp" that show the three values.
int gameSpeedFrame();
int soundVolumeFrame();
int musicVolumeFrame();

} // namespace burrowix
