#include "audio/mixer.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace burrowix {
namespace {

// A buffer of the mix format holding `samples`, filled through lock and unlock.
std::unique_ptr<MixerBuffer> staticBuffer(Mixer& mixer, const std::vector<std::int16_t>& samples)
{
    auto buffer = mixer.createStaticBuffer(kMixFormat, static_cast<std::uint32_t>(samples.size() * 2));
    LockedRegions r;
    EXPECT_TRUE(buffer->lock(0, buffer->bytes(), r));
    std::memcpy(r.first, samples.data(), r.firstBytes);
    buffer->unlock();
    return buffer;
}

std::vector<std::int16_t> mixFrames(Mixer& mixer, int frames)
{
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * 2, 0x5555);
    mixer.mix(out.data(), frames);
    return out;
}

TEST(Mixer, VolumeAndPanScaleEachChannel)
{
    Mixer mixer;
    auto buffer = staticBuffer(mixer, std::vector<std::int16_t>(200, 10000));
    buffer->play(false);
    EXPECT_EQ(mixFrames(mixer, 1)[0], 10000);

    buffer->setVolume(-600); // 10^(-0.3)
    auto out = mixFrames(mixer, 1);
    EXPECT_NEAR(out[0], 5012, 1);
    EXPECT_NEAR(out[1], 5012, 1);

    buffer->setVolume(0);
    buffer->setPan(2000); // right: the left channel drops by 20 dB
    out = mixFrames(mixer, 1);
    EXPECT_NEAR(out[0], 1000, 1);
    EXPECT_EQ(out[1], 10000);

    buffer->setVolume(kSilenceHundredthsDb);
    out = mixFrames(mixer, 1);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 0);
    buffer->setVolume(-20000);
    EXPECT_EQ(buffer->volume(), kSilenceHundredthsDb);
}

TEST(Mixer, SumsSaturateInsteadOfWrapping)
{
    Mixer mixer;
    auto a = staticBuffer(mixer, {30000, -30000, 30000, -30000});
    auto b = staticBuffer(mixer, {30000, -30000, 100, -100});
    a->play(false);
    b->play(false);
    const auto out = mixFrames(mixer, 2);
    EXPECT_EQ(out, (std::vector<std::int16_t>{32767, -32768, 30100, -30100}));
}

TEST(Mixer, OnceStopsAtTheEndAndLoopingWraps)
{
    Mixer mixer;
    auto once = staticBuffer(mixer, {1, 1, 2, 2, 3, 3});
    once->play(false);
    EXPECT_EQ(mixFrames(mixer, 5), (std::vector<std::int16_t>{1, 1, 2, 2, 3, 3, 0, 0, 0, 0}));
    EXPECT_EQ(once->status() & BufferPlaying, 0u);

    once->play(true);
    EXPECT_EQ(once->status(), BufferPlaying | BufferLooping);
    EXPECT_EQ(mixFrames(mixer, 5), (std::vector<std::int16_t>{1, 1, 2, 2, 3, 3, 1, 1, 2, 2}));
    EXPECT_EQ(once->position(), 8u); // two frames into the second lap
    once->stop();
    EXPECT_EQ(mixFrames(mixer, 1), (std::vector<std::int16_t>{0, 0}));
}

TEST(Mixer, LostBufferIsSilentUntilRestored)
{
    Mixer mixer;
    auto buffer = staticBuffer(mixer, {7, 7, 7, 7});
    buffer->play(true);
    buffer->markLost();
    EXPECT_EQ(buffer->status(), BufferLost);
    EXPECT_EQ(mixFrames(mixer, 1)[0], 0);
    buffer->play(true); // refused while lost
    EXPECT_EQ(buffer->status(), BufferLost);
    buffer->restore();
    buffer->play(true);
    EXPECT_EQ(mixFrames(mixer, 1)[0], 7);
}

TEST(Mixer, RingRegionsWrapAndTheCursorFollowsTheMix)
{
    Mixer mixer;
    auto ring = mixer.createRingBuffer(kMixFormat, 16); // four frames
    LockedRegions r;
    ASSERT_TRUE(ring->lock(8, 12, r));
    EXPECT_EQ(r.firstBytes, 8u);
    EXPECT_EQ(r.secondBytes, 4u);
    const std::int16_t tail[] = {3, 3, 4, 4};
    const std::int16_t head[] = {1, 1};
    std::memcpy(r.first, tail, 8);
    std::memcpy(r.second, head, 4);
    // Nothing reaches the mix before unlock.
    ring->play(false);
    EXPECT_EQ(ring->status() & BufferLooping, BufferLooping); // a ring always loops
    EXPECT_EQ(mixFrames(mixer, 1)[0], 0);
    ring->unlock();
    EXPECT_EQ(ring->position(), 4u);
    EXPECT_EQ(mixFrames(mixer, 6), (std::vector<std::int16_t>{0, 0, 3, 3, 4, 4, 1, 1, 0, 0, 3, 3}));
    EXPECT_EQ(ring->position(), 12u);
    EXPECT_FALSE(ring->lock(16, 4, r));
    EXPECT_FALSE(ring->lock(0, 20, r));
}

TEST(Mixer, OtherFormatsAreConvertedWhenTheBufferIsFilled)
{
    Mixer mixer;
    // 8-bit mono at 22050 Hz: one second becomes one second of the mix format.
    const WaveFormat u8mono{kFormatPcm, 1, 22050, 22050, 1, 8, 0};
    auto buffer = mixer.createStaticBuffer(u8mono, 22050);
    LockedRegions r;
    ASSERT_TRUE(buffer->lock(0, 22050, r));
    std::memset(r.first, 128 + 64, r.firstBytes);
    buffer->unlock();
    buffer->play(false);
    const auto out = mixFrames(mixer, 43000);
    EXPECT_NEAR(out[20000], 64 * 256, 300);
    EXPECT_EQ(out[20000], out[20001]);
    EXPECT_NE(buffer->status() & BufferPlaying, 0u);
    mixFrames(mixer, 2000);
    EXPECT_EQ(buffer->status() & BufferPlaying, 0u);

    // A static buffer is written whole; unplayable formats give no buffer.
    EXPECT_FALSE(buffer->lock(0, 100, r));
    EXPECT_EQ(mixer.createStaticBuffer(WaveFormat{kFormatPcm, 2, 44100, 0, 4, 12, 0}, 100), nullptr);
    EXPECT_EQ(mixer.createRingBuffer(WaveFormat{kFormatFloat, 2, 44100, 0, 8, 32, 0}, 100), nullptr);
}

TEST(Mixer, RingAtAnotherRateIsResampledAndDuplicatesShareSamples)
{
    Mixer mixer;
    auto ring = mixer.createRingBuffer(pcm16Format(1, 22050), 8); // four mono frames
    LockedRegions r;
    ASSERT_TRUE(ring->lock(0, 8, r));
    const std::int16_t ramp[] = {0, 100, 200, 300};
    std::memcpy(r.first, ramp, 8);
    ring->unlock();
    ring->play(true);
    const auto out = mixFrames(mixer, 4);
    EXPECT_EQ(out, (std::vector<std::int16_t>{0, 0, 50, 50, 100, 100, 150, 150}));

    auto original = staticBuffer(mixer, {5, 5, 6, 6});
    auto copy = original->duplicate();
    ASSERT_NE(copy, nullptr);
    ring->stop();
    copy->play(false);
    EXPECT_EQ(mixFrames(mixer, 2), (std::vector<std::int16_t>{5, 5, 6, 6}));
    EXPECT_EQ(ring->duplicate(), nullptr);
    EXPECT_EQ(mixer.bufferCount(), 3);
    copy.reset();
    EXPECT_EQ(mixer.bufferCount(), 2);
}

} // namespace
} // namespace burrowix
