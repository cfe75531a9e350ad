#pragma once
// The game's music: "back1.ogg" on every screen but the game, where the track follows the
// difficulty. `music` is the current track; a track that is replaced is destroyed.

namespace burrowix {

class SoundStream;
struct MainWindow;

struct GameMusic {
    SoundStream* music = nullptr;
};

extern GameMusic gameMusic;

inline constexpr const char* kMenuTrack = "back1.ogg";
// The game screen's track for a difficulty, or null for a value outside 0..2.
const char* gameTrackFor(int difficulty);

// First frame: starts the engine with the music category at 0.8 and, when music is on, the menu
// track at musicVolume per cent.
void startGameMusic(MainWindow* window, int musicOn, int musicVolume);

// The screen flow's switch from screen `wasGame` to `isGame` (each true for the game screen), while
// music is on: entering the game plays its difficulty's track (an unknown difficulty keeps the
// current one), leaving it plays the menu track.
void changeMusicForScreen(bool wasGame, bool isGame, int difficulty, int musicOn, int musicVolume);

// The options screen's music switch and volume buttons.
void switchMusic(bool on, int musicVolume);
void setMusicVolume(int musicVolume);

// Destroy work: stops the refill thread and releases every stream.
void stopGameMusic();

} // namespace burrowix
