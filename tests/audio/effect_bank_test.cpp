#include <gtest/gtest.h>

#include "audio/mixer.hpp"
#include "audio_test_support.hpp"
#include "common/random.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/archive/pack_writer.hpp"
#include "support/tmpdir_env.hpp"

#include <cstring>
#include <filesystem>

namespace burrowix {
namespace {

class EffectBankTest : public test::AudioTest {
protected:
    void SetUp() override
    {
        AudioTest::SetUp();
        ASSERT_EQ(openSoundDevice(nullptr), 0);
        // Long enough to outlast any test while the dummy device mixes in the background.
        handle = effectBank.loadEffect("boom", constantWav("boom.wav", 88200, 1000));
        ASSERT_EQ(handle, 0);
        shortHandle = effectBank.loadEffect("tick", constantWav("tick.wav", 100, 1000));
        ASSERT_EQ(shortHandle, 1);
    }
    int handle = -1;
    int shortHandle = -1;
};

TEST_F(EffectBankTest, EveryPlayIsItsOwnVoice)
{
    EXPECT_EQ(effectBank.playEffect(handle, 0), 0);
    EXPECT_EQ(effectBank.playEffect(handle, 0), 1);
    EXPECT_EQ(effectBank.playEffect(handle, 0), 2);
    EXPECT_EQ(effectBank.voices.size(), 3u);
    EXPECT_EQ(effectBank.playEffect(2, 0), -1);
    EXPECT_EQ(effectBank.playEffect(-1, 0), -1);
}

TEST_F(EffectBankTest, VolumeRuleAndClamp)
{
    effectBank.playEffect(handle, 0);
    effectBank.setEffectVolume(70);
    EXPECT_EQ(effectBank.voices[0]->buffer->volume(), -1500);
    effectBank.setEffectVolume(-5);
    EXPECT_EQ(effectBank.volume, 0);
    EXPECT_EQ(effectBank.voices[0]->buffer->volume(), -5000); // quiet, not silent
    effectBank.setEffectVolume(250);
    EXPECT_EQ(effectBank.volume, 100);
    effectBank.playEffect(handle, 0);
    EXPECT_EQ(effectBank.voices[1]->buffer->volume(), 0);
}

TEST_F(EffectBankTest, MutedBankPlaysNothingUntilUnmuted)
{
    effectBank.playEffect(handle, 1);
    effectBank.muteEffects();
    EXPECT_TRUE(effectBank.voices.empty());
    EXPECT_EQ(effectBank.playEffect(handle, 0), -1);
    effectBank.unmuteEffects();
    EXPECT_EQ(effectBank.playEffect(handle, 0), 0);
}

TEST_F(EffectBankTest, ReleasedEffectsKeepTheirVoicesButOldHandlesFail)
{
    effectBank.playEffect(handle, 1);
    effectBank.releaseAllEffects();
    EXPECT_EQ(effectBank.playEffect(handle, 0), -1);
    ASSERT_EQ(effectBank.voices.size(), 1u);
    EXPECT_NE(effectBank.voices[0]->buffer->status() & BufferPlaying, 0u);
    EXPECT_EQ(effectBank.loadEffect("boom", dir.file("boom.wav")), 0);
    EXPECT_GE(effectBank.playEffect(0, 0), 0);
}

TEST_F(EffectBankTest, FinishedVoicesAreReapedLostOnesRestored)
{
    effectBank.playEffect(shortHandle, 0);
    effectBank.playEffect(handle, 1);
    std::vector<std::int16_t> out(2 * 200);
    theMixer().mix(out.data(), 200); // the once-voice ends; the looping one goes on
    effectBank.voices[1]->buffer->markLost();
    effectBank.reapVoices();
    // The lost buffer came back stopped, so it goes too.
    EXPECT_TRUE(effectBank.voices.empty());

    effectBank.playEffect(handle, 1);
    effectBank.voices[0]->paused = 1;
    effectBank.voices[0]->buffer->stop();
    effectBank.reapVoices();
    EXPECT_EQ(effectBank.voices.size(), 1u);
}

TEST_F(EffectBankTest, PlayingReapsFinishedVoices)
{
    for (int i = 0; i < 50; ++i) {
        effectBank.playEffect(shortHandle, 0);
        std::vector<std::int16_t> out(2 * 200);
        theMixer().mix(out.data(), 200);
    }
    EXPECT_LE(effectBank.voices.size(), 1u);
}

TEST_F(EffectBankTest, BadFilesGiveNoHandle)
{
    test::writeBytes(dir.file("short.wav"), test::riffImage({{"fmt ", {1, 0, 1, 0}}, {"data", {1, 2}}}));
    EXPECT_EQ(effectBank.loadEffect("short", dir.file("short.wav")), -1);
    EXPECT_EQ(effectBank.loadEffect("none", dir.file("missing.wav")), -1);
    EXPECT_EQ(effectBank.entries.size(), 2u);
    closeSoundDevice();
    EXPECT_EQ(effectBank.loadEffect("boom", dir.file("boom.wav")), -1);
    EXPECT_EQ(effectBank.playEffect(handle, 0), -1);
}

TEST_F(EffectBankTest, GuardedPlayFollowsTheSoundSwitchAndDrawsOnlyWhenHeard)
{
    theEffects.effectMineral1 = theEffects.effectMineral2 = theEffects.effectMineral3 = handle;
    app.soundAvailable = 1;
    app.soundOn = 0;
    theRandom.reset();
    playOneOfThree(theEffects.effectMineral1, theEffects.effectMineral2, theEffects.effectMineral3);
    playEffect(handle);
    EXPECT_TRUE(effectBank.voices.empty());
    EXPECT_EQ(theRandom.state, 1u); // no draw while silent

    app.soundOn = 1;
    playOneOfThree(theEffects.effectMineral1, theEffects.effectMineral2, theEffects.effectMineral3);
    EXPECT_NE(theRandom.state, 1u);
    EXPECT_EQ(effectBank.voices.size(), 1u);
    playEffect(-1);
    EXPECT_EQ(effectBank.voices.size(), 1u);
}

TEST_F(EffectBankTest, DiggingSoundsVaryWithoutTouchingTheRandomSequence)
{
    theEffects.effectDig1 = 11;
    theEffects.effectDig2 = 12;
    theEffects.effectDig3 = 13;
    std::vector<int> played;
    theEffects.player = [&](int h, int) { played.push_back(h); };
    app.soundAvailable = app.soundOn = 1;
    theRandom.reset();
    for (int i = 0; i < 60; ++i)
        playDigEffect();
    EXPECT_EQ(theRandom.state, 1u);
    ASSERT_EQ(played.size(), 60u);
    int counts[3] = {};
    for (std::size_t i = 0; i < played.size(); ++i) {
        ASSERT_GE(played[i], 11);
        ASSERT_LE(played[i], 13);
        ++counts[played[i] - 11];
        if (i > 0) {
            EXPECT_NE(played[i], played[i - 1]) << "dig " << i;
        }
    }
    for (int c : counts)
        EXPECT_GE(c, 10);
    // Not a plain rotation: some digs step back.
    bool irregular = false;
    for (std::size_t i = 2; i < played.size(); ++i)
        irregular = irregular || played[i] == played[i - 2];
    EXPECT_TRUE(irregular);

    // Silent: nothing plays and the count stays, so turning sound on later does not skip variants.
    app.soundOn = 0;
    const unsigned count = theEffects.digCount;
    playDigEffect();
    EXPECT_EQ(played.size(), 60u);
    EXPECT_EQ(theEffects.digCount, count);
    theEffects.player = nullptr;
}

TEST_F(EffectBankTest, PackMembersAreReadInPlaceAndSoundAfterThePackIsGone)
{
    std::filesystem::create_directory(dir.file("tmp"));
    test::TmpDirEnv tmpEnv(dir.file("tmp"));
    const std::vector<std::uint8_t> wav = test::wavOf16(std::vector<std::int16_t>(2 * 50, 1234), 2, 44100);
    ASSERT_TRUE(writePackArchive(dir.file("standart.pak"), {{"other.bin", {1, 2, 3}}, {"Zap.wav", wav}}));
    // A file of the same name on disk is not what loads: the pack comes first.
    constantWav("zap.wav", 10, 7);
    auto pack = std::make_unique<PackArchive>(dir.file("standart.pak"));
    standardPack = pack.get();
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const int zap = effectBank.loadEffect("zap", "zap.wav");
    const int again = effectBank.loadEffect("zap", "zap.wav");
    std::filesystem::current_path(here);
    ASSERT_EQ(zap, 2);
    ASSERT_EQ(again, 3);
    EXPECT_EQ(effectBank.entries[2]->view, effectBank.entries[3]->view) << "one mapping of the pack";
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("tmp"))) << "no temporary copy was made";

    standardPack = nullptr;
    pack.reset();
    const WaveImage& wave = effectBank.entries[2]->wave;
    ASSERT_EQ(wave.length, 200u);
    std::int16_t first = 0;
    std::memcpy(&first, wave.samples, 2);
    EXPECT_EQ(first, 1234);
    ASSERT_EQ(effectBank.playEffect(zap, 0), 0);
    std::vector<std::int16_t> out(2 * 10);
    theMixer().mix(out.data(), 10);
    EXPECT_NE(out[0], 0);
}

TEST_F(EffectBankTest, TableLoadsInOrderWithMissingFilesAtMinusOne)
{
    effectBank.reset();
    // Only two of the table's files exist, in the working folder.
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    constantWav("nuggetfall.wav", 10, 1);
    constantWav("menu01.wav", 10, 1);
    reloadEffectTable();
    std::filesystem::current_path(here);
    EXPECT_EQ(theEffects.effectNuggetFall, 0);
    EXPECT_EQ(theEffects.effectMenu, 1);
    EXPECT_EQ(theEffects.effectNugget, -1);
    EXPECT_EQ(theEffects.effectExplosion, -1);
    ASSERT_EQ(effectBank.entries.size(), 2u);
    EXPECT_EQ(effectBank.entries[0]->name, "nugget01");
    EXPECT_EQ(effectBank.entries[1]->name, "menu01");
}

} // namespace
} // namespace burrowix
