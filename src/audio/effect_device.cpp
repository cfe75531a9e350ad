#include "audio/effect_device.hpp"

#include "audio/audio_output.hpp"

namespace burrowix {

SoundDevice soundDevice;

int openSoundDevice(MainWindow*)
{
    if (soundDevice.device)
        return 0;
    if (!openAudioOutput())
        return -1;
    soundDevice.device = 1;
    return 0;
}

void closeSoundDevice()
{
    if (!soundDevice.device)
        return;
    closeAudioOutput();
    soundDevice.device = 0;
}

} // namespace burrowix
