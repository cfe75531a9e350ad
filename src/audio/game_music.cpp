#include "audio/game_music.hpp"

#include "audio/sound_stream.hpp"
#include "audio/stream_engine.hpp"

namespace burrowix {

GameMusic gameMusic;

namespace {

// Stops the current track and plays `name` from its start in its place; the old track goes.
void playTrack(const char* name, int musicVolume)
{
    SoundStream* old = gameMusic.music;
    if (old)
        old->stop();
    gameMusic.music = getStream(name, kMusicCategory);
    if (old && old != gameMusic.music)
        delete old;
    if (!gameMusic.music)
        return;
    gameMusic.music->setVolume(musicVolume / 100.0f);
    gameMusic.music->play(1);
}

} // namespace

const char* gameTrackFor(int difficulty)
{
    static constexpr const char* kTracks[] = {"back2.ogg", "back3.ogg", "back4.ogg"};
    return difficulty >= 0 && difficulty < 3 ? kTracks[difficulty] : nullptr;
}

void startGameMusic(MainWindow* window, int musicOn, int musicVolume)
{
    initStreamEngine(window);
    setCategoryVolume(0.8f, kMusicCategory);
    if (musicOn == 1)
        playTrack(kMenuTrack, musicVolume);
}

void changeMusicForScreen(bool wasGame, bool isGame, int difficulty, int musicOn, int musicVolume)
{
    if (musicOn != 1 || wasGame == isGame)
        return;
    if (isGame) {
        if (const char* track = gameTrackFor(difficulty))
            playTrack(track, musicVolume);
    } else {
        playTrack(kMenuTrack, musicVolume);
    }
}

void switchMusic(bool on, int musicVolume)
{
    if (on)
        playTrack(kMenuTrack, musicVolume);
    else if (gameMusic.music)
        gameMusic.music->stop();
}

void setMusicVolume(int musicVolume)
{
    if (gameMusic.music)
        gameMusic.music->setVolume(musicVolume / 100.0f);
}

void stopGameMusic()
{
    gameMusic.music = nullptr;
    shutdownStreamEngine();
}

} // namespace burrowix
