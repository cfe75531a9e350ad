#include "audio/audio_output.hpp"

#include "audio/mixer.hpp"

namespace burrowix {

AudioOutput audioOutput;

namespace {

void SDLCALL mixCallback(void* mixer, Uint8* stream, int length)
{
    static_cast<Mixer*>(mixer)->mix(reinterpret_cast<std::int16_t*>(stream), length / 4);
}

} // namespace

Mixer& theMixer()
{
    // Never destroyed: buffers held by other program-wide objects may outlive any exit order.
    static Mixer* mixer = new Mixer;
    return *mixer;
}

bool openAudioOutput()
{
    if (audioOutput.clients > 0) {
        ++audioOutput.clients;
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = mixCallback;
    want.userdata = &theMixer();
    SDL_AudioSpec have{};
    // The device takes exactly this format; SDL converts if the hardware differs.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    audioOutput.device = device;
    audioOutput.clients = 1;
    SDL_PauseAudioDevice(device, 0);
    return true;
}

void closeAudioOutput()
{
    if (audioOutput.clients == 0 || --audioOutput.clients > 0)
        return;
    SDL_CloseAudioDevice(audioOutput.device);
    audioOutput.device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace burrowix
