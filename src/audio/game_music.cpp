#include "audio/game_music.hpp"

#include "audio/sound_stream.hpp"
#include "audio/stream_engine.hpp"
#include "common/asset_manifest.hpp"

namespace burrowix {

GameMusic gameMusic;

void startGameMusic(MainWindow* window, int musicOn, int musicVolume)
{
    // A start that fails shuts the engine down, which deletes every stream, the music's too.
    if (initStreamEngine(window) != 0)
        gameMusic = GameMusic{};
    setCategoryVolume(0.8f, kMusicCategory);
    if (musicOn == 1)
        playMusic(assets::kMenuTrack, musicVolume);
}

void playMusic(const char* name, int musicVolume)
{
    SoundStream* old = gameMusic.music;
    if (old)
        old->stop();
    gameMusic.music = getStream(name ? name : "", kMusicCategory);
    if (old && old != gameMusic.music)
        delete old;
    gameMusic.track = gameMusic.music ? name : "";
    if (!gameMusic.music)
        return;
    gameMusic.music->setVolume(musicVolume / 100.0f);
    gameMusic.music->play(1);
}

void stopMusic()
{
    if (gameMusic.music)
        gameMusic.music->stop();
    gameMusic.track.clear();
}

void applyMusicVolume(int musicVolume)
{
    if (gameMusic.music)
        gameMusic.music->setVolume(musicVolume / 100.0f);
}

void stopGameMusic()
{
    gameMusic = GameMusic{};
    shutdownStreamEngine();
}

} // namespace burrowix
