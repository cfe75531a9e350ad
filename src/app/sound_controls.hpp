#pragma once
// What the screens ask of the sound: the background music track (one plays at a time, at the music
// volume) and the effects' switch and volume.

namespace burrowix {

// Stops the playing track and starts `name` from the packs, looping, at the music volume.
void playMusicTrack(const char* name);
// Stops the playing track.
void stopMusicTrack();
// The name of the track playing, "" when none.
const char* musicTrackPlaying();
// The playing track's volume, in per cent.
void setMusicVolume(int percent);

// The effects' volume on the bank's 0..100 scale, and their switch.
void setEffectVolume(int volume);
void muteEffects();
void unmuteEffects();

} // namespace burrowix
