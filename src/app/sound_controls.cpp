#include "app/sound_controls.hpp"

#include <string>

namespace burrowix {

namespace {
std::string playing;
}

void playMusicTrack(const char* name)
{
    playing = name ? name : "";
}

void stopMusicTrack()
{
    playing.clear();
}

const char* musicTrackPlaying()
{
    return playing.c_str();
}

void setMusicVolume(int) {}
void setEffectVolume(int) {}
void muteEffects() {}
void unmuteEffects() {}

} // namespace burrowix
