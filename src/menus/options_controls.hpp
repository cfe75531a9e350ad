#pragma once
// The options screen's controls: game speed, effect and music volume steps, and the sound and
// music switches. Each changes the option and applies it at once (frame interval, effect volume,
// the music); the steps click even at their bounds, the switches do not.

namespace burrowix {

void gameSpeedMinus();
void gameSpeedPlus();
void soundVolumeMinus();
void soundVolumePlus();
void musicVolumeMinus();
void musicVolumePlus();
void setSoundSwitch(bool on);
void setMusicSwitch(bool on);

// The frames of "arrows0_.bmp" that show the three values.
int gameSpeedFrame();
int soundVolumeFrame();
int musicVolumeFrame();

} // namespace burrowix
