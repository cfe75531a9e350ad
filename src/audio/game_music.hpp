#pragma once
// The game's music: one current track, `music`, played looping at the music volume. A track that
// is replaced is destroyed, so returning to a track does not pile up stopped streams.

#include <string>

namespace burrowix {

class SoundStream;
struct MainWindow;

struct GameMusic {
    SoundStream* music = nullptr;
    // The name of the track asked for, "" after a stop (also without a sound device).
    std::string track;
};

extern GameMusic gameMusic;

// First frame: starts the engine with the music category at 0.8 and, when music is on, the menu
// track at musicVolume per cent.
void startGameMusic(MainWindow* window, int musicOn, int musicVolume);

// Stops the current track and plays `name` from its start in its place.
void playMusic(const char* name, int musicVolume);
void stopMusic();
void applyMusicVolume(int musicVolume);

// Destroy work: stops the refill thread and releases every stream.
void stopGameMusic();

} // namespace burrowix
