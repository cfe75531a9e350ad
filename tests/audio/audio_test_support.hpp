#pragma once
// Shared set-up of the sound tests: SDL's "dummy" audio driver (no sound card), sound files in a
// temporary folder, and the effect bank and stream engine reset before and after.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "audio/audio_output.hpp"
#include "audio/effect_bank.hpp"
#include "audio/effect_device.hpp"
#include "audio/effect_handles.hpp"
#include "audio/game_music.hpp"
#include "audio/stream_engine.hpp"
#include "state/app_state.hpp"
#include "support/sound_files.hpp"
#include "support/temp_dir.hpp"

namespace burrowix::test {

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        resetAudio();
    }
    void TearDown() override { resetAudio(); }

    static void resetAudio()
    {
        stopGameMusic();
        effectBank.reset();
        closeSoundDevice();
        theEffects.reset();
        streamEngine.capacity = 100;
        for (float& v : streamEngine.categoryVolume)
            v = 0.0f;
        app.reset();
    }

    // A WAV file of constant 16-bit stereo frames in the temporary folder; its path.
    std::string constantWav(const std::string& name, int frames, std::int16_t value, int rate = 44100)
    {
        writeBytes(dir.file(name), wavOf16(std::vector<std::int16_t>(std::size_t(frames) * 2, value), 2, rate));
        return dir.file(name);
    }

    TempDir dir;
};

} // namespace burrowix::test
