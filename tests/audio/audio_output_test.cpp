// The real SDL device: the "disk" driver writes what reached the device to a file.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <map>
#include <random>
#include <thread>

#include "audio/mixer.hpp"
#include "audio/sound_stream.hpp"
#include "audio_test_support.hpp"

namespace burrowix {
namespace {

class AudioOutputTest : public test::AudioTest {};

TEST_F(AudioOutputTest, DiskDeviceReceivesTheMixOfAnEffectAndAStream)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", dir.file("out.raw").c_str(), 1);
    ASSERT_EQ(openSoundDevice(nullptr), 0);
    ASSERT_EQ(initStreamEngine(nullptr), 0);
    EXPECT_EQ(audioOutput.clients, 2); // one device, two clients
    setCategoryVolume(1.0f, 0);
    // A steady 500 from a looping stream, 2205 frames of 1000 from an effect.
    constantWav("hum.wav", 4410, 500);
    SoundStream* hum = getStream(dir.file("hum.wav"), 0);
    const int effect = effectBank.loadEffect("beep", constantWav("beep.wav", 2205, 1000));
    hum->play(1);
    effectBank.playEffect(effect, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    shutdownStreamEngine();
    closeSoundDevice();
    unsetenv("SDL_DISKAUDIOFILE");
    EXPECT_EQ(audioOutput.clients, 0);

    const auto bytes = test::readBytes(dir.file("out.raw"));
    ASSERT_GE(bytes.size(), 4u * 4410);
    std::map<int, int> frames; // value -> frames
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        std::int16_t lr[2];
        std::memcpy(lr, bytes.data() + i, 4);
        ASSERT_EQ(lr[0], lr[1]);
        ++frames[lr[0]];
    }
    for (const auto& [value, count] : frames)
        EXPECT_TRUE(value == 0 || value == 500 || value == 1000 || value == 1500) << value << " x" << count;
    EXPECT_EQ(frames[1000] + frames[1500], 2205); // the whole effect, once
    EXPECT_GT(frames[1500], 0);                   // over the stream
    EXPECT_GT(frames[500], 4410);                 // the stream loops on alone
}

TEST_F(AudioOutputTest, NoDeviceMeansNoEffectsAndNoStreams)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_LT(openSoundDevice(nullptr), 0);
    EXPECT_EQ(effectBank.loadEffect("beep", constantWav("beep.wav", 10, 1)), -1);
    EXPECT_NE(initStreamEngine(nullptr), 0);
    SoundStream* s = getStream(constantWav("hum.wav", 10, 1), 0);
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->buffer);
    EXPECT_FALSE(streamEngine.refillThread.joinable());
}

// Plays, stops, clones and destroys streams and changes volumes from this thread while the refill
// thread and the device's thread run; the ThreadSanitizer build reports any race.
TEST_F(AudioOutputTest, StreamStress)
{
    ASSERT_TRUE(test::writeOgg(dir.file("tone.ogg"), test::sineTone(22050, 2, 44100, 330, 6000), 2, 44100));
    ASSERT_EQ(initStreamEngine(nullptr), 0);
    setCategoryVolume(0.8f, kMusicCategory);
    std::mt19937 rng(7);
    std::vector<SoundStream*> live;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    int operations = 0;
    while (std::chrono::steady_clock::now() < until) {
        const int pick = static_cast<int>(rng() % 6);
        SoundStream* s = live.empty() ? nullptr : live[rng() % live.size()];
        if (pick == 0 || !s) {
            live.push_back(getStream(dir.file("tone.ogg"), kMusicCategory));
        } else if (pick == 1) {
            s->play(static_cast<int>(rng() % 2));
        } else if (pick == 2) {
            s->stop();
        } else if (pick == 3 && live.size() < 8) {
            live.push_back(s->clone());
        } else if (pick == 4) {
            live.erase(std::find(live.begin(), live.end(), s));
            delete s;
        } else {
            s->setVolume(static_cast<float>(rng() % 100) / 100.0f);
            setCategoryVolume(0.5f + static_cast<float>(rng() % 50) / 100.0f, kMusicCategory);
        }
        ++operations;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_EQ(registeredStreamCount(), static_cast<int>(live.size()));
    EXPECT_GT(operations, 100);
    shutdownStreamEngine();
    EXPECT_EQ(registeredStreamCount(), 0);
}

} // namespace
} // namespace burrowix
