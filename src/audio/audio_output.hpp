#pragma once
// The one SDL audio device of the program (44100 Hz, signed 16-bit, stereo, 1024-frame device
// buffer), fed by the program's mixer. The effect bank and the stream engine each open it as a client;
// the device opens with the first client and closes with the last. Nothing else calls SDL audio.

#include <SDL.h>

namespace burrowix {

class Mixer;

// The program's mixer; it exists for the whole run, device or not.
Mixer& theMixer();

struct AudioOutput {
    SDL_AudioDeviceID device = 0;
    int clients = 0;
};

extern AudioOutput audioOutput;

// True when the device is open (opening it for the first client); false when there is no sound card
// or driver.
bool openAudioOutput();
// Drops one client; the last one closes the device.
void closeAudioOutput();

} // namespace burrowix
