#include "app/sound_controls.hpp"

#include "audio/effect_bank.hpp"
#include "audio/game_music.hpp"
#include "records/records.hpp"

namespace burrowix {

void playMusicTrack(const char* name)
{
    playMusic(name, theRecords.options.musicVolume);
}

void stopMusicTrack()
{
    stopMusic();
}

const char* musicTrackPlaying()
{
    return gameMusic.track.c_str();
}

void setMusicVolume(int percent)
{
    applyMusicVolume(percent);
}

void setEffectVolume(int volume)
{
    effectBank.setEffectVolume(volume);
}

void muteEffects()
{
    effectBank.muteEffects();
}

void unmuteEffects()
{
    effectBank.unmuteEffects();
}

} // namespace burrowix
