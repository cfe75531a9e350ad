// The synthesised sound effects: their files as the game's effect bank parses them, their lengths
// against the catalogue, their levels, and the measuring and filtering they are made with.
#include "loudness.hpp"
#include "sound_effects.hpp"
#include "synth_kit.hpp"
#include "wav_writer.hpp"

#include "audio/riff_wave.hpp"
#include "platform/archive/pack_archive.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <numbers>

namespace burrowix::mkdata {
namespace {

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// The effect bank's own parse of a WAVE image.
WaveImage parsed(const std::vector<std::uint8_t>& bytes, bool& ok)
{
    WaveImage image;
    ok = parseWaveImage(bytes.data(), bytes.size(), image);
    return image;
}

TEST(MkdataWav, WritesAChunkLayoutTheEffectBankAccepts)
{
    for (std::size_t n : {1u, 2u, 441u}) {
        const std::vector<std::uint8_t> wav = encodeWav(Samples(n, 0.5f));
        EXPECT_EQ(le32(wav, 4), wav.size() - 8) << n;
        bool ok = false;
        const WaveImage image = parsed(wav, ok);
        ASSERT_TRUE(ok) << n;
        EXPECT_EQ(image.format.formatTag, kFormatPcm);
        EXPECT_EQ(image.format.channels, 1);
        EXPECT_EQ(image.format.bitsPerSample, 16);
        EXPECT_EQ(image.format.samplesPerSec, 44100u);
        EXPECT_EQ(image.format.avgBytesPerSec, 88200u);
        EXPECT_EQ(image.length, 2 * n);
        EXPECT_EQ(le16(wav, wav.size() - 2), std::lround(0.5 * 32767));
    }
    // Out-of-range samples are clamped, not wrapped round.
    const std::vector<std::uint8_t> loud = encodeWav(Samples{1.7f, -1.7f});
    EXPECT_EQ(static_cast<std::int16_t>(le16(loud, loud.size() - 4)), 32767);
    EXPECT_EQ(static_cast<std::int16_t>(le16(loud, loud.size() - 2)), -32767);
}

TEST(MkdataLoudness, MeasuresAKnownSineAsTheStandardDoes)
{
    // A 1 kHz sine at -20 dBFS in one channel reads -23 LUFS, with a true peak of -20 dBTP.
    Samples sine = tone(Wave::Sine, 1000, 5.0);
    scale(sine, 0.1);
    const SoundLevels mono = measureLevels(sine, 1);
    EXPECT_NEAR(mono.integrated, -23.0, 0.2);
    EXPECT_NEAR(mono.momentaryMax, -23.0, 0.2);
    EXPECT_NEAR(mono.shortTermMax, -23.0, 0.2);
    EXPECT_NEAR(mono.truePeak, -20.0, 0.2);
    EXPECT_NEAR(mono.seconds, 5.0, 1e-6);
    // The same sine in both channels of a stereo pair is 3 LU louder.
    std::vector<float> stereo;
    for (float v : sine) {
        stereo.push_back(v);
        stereo.push_back(v);
    }
    EXPECT_NEAR(measureLevels(stereo, 2).integrated, -20.0, 0.2);
}

double rms(const Samples& s, std::size_t from)
{
    double sum = 0;
    for (std::size_t i = from; i < s.size(); ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(s.size() - from));
}

TEST(MkdataSynthKit, FiltersPassAndStopWhereTheyShould)
{
    const Samples low = tone(Wave::Sine, 200, 0.5), high = tone(Wave::Sine, 8000, 0.5);
    auto through = [](Samples s, FilterMode mode, double cutoff) {
        filter(s, mode, {cutoff, cutoff, 0}, 0.707);
        return rms(s, s.size() / 2) / (1 / std::sqrt(2.0));
    };
    EXPECT_GT(through(low, FilterMode::LowPass, 1000), 0.9);
    EXPECT_LT(through(high, FilterMode::LowPass, 1000), 0.03);
    EXPECT_LT(through(low, FilterMode::HighPass, 1000), 0.06);
    EXPECT_GT(through(high, FilterMode::HighPass, 1000), 0.9);
    // The band-pass peaks at q times the input at its centre and stops far from it.
    EXPECT_NEAR(through(tone(Wave::Sine, 1000, 0.5), FilterMode::BandPass, 1000), 0.707, 0.05);
    EXPECT_LT(through(high, FilterMode::BandPass, 1000), 0.15);

    // A glide ends where it is told to: the swept sine's last cycles are at the final pitch.
    const Samples swept = tone(Wave::Sine, {2000, 500, 0.1}, 0.3);
    int crossings = 0;
    for (std::size_t i = swept.size() - 4410; i < swept.size(); ++i)
        crossings += (swept[i - 1] < 0) != (swept[i] < 0);
    EXPECT_NEAR(crossings, 100, 2);  // 500 Hz over 0.1 s
}

TEST(MkdataSynthKit, FinishingRemovesOffsetAndSilencesBothEnds)
{
    Samples s(kSampleRate, 0.5f);
    mixInto(s, tone(Wave::Square, 300, 1.0), 0, 0.3);
    finishEffect(s);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_EQ(s.back(), 0.0f);
    double tailMean = 0;
    for (std::size_t i = s.size() / 2; i < s.size(); ++i)
        tailMean += s[i];
    EXPECT_LT(std::abs(tailMean / (s.size() / 2)), 0.005);
}

struct Expected {
    double minSeconds, maxSeconds;
};

// The catalogue's suggested lengths, in the game's effect-table order.
const std::map<std::string, Expected>& catalogue()
{
    static const std::map<std::string, Expected> table = {
        {"explosion01.wav", {0.8, 1.2}},   {"stonefall.wav", {0.2, 0.4}},    {"nuggetfall.wav", {0.2, 0.4}},
        {"nugget01.wav", {0.3, 0.5}},      {"mineral01.wav", {0.3, 0.5}},    {"mineral02.wav", {0.3, 0.5}},
        {"mineral03.wav", {0.3, 0.5}},     {"addweapon01.wav", {0.3, 0.6}},  {"addweapon02.wav", {0.3, 0.6}},
        {"addweapon03.wav", {0.3, 0.6}},   {"mine01.wav", {0.2, 0.3}},       {"shot01.wav", {0.2, 0.3}},
        {"grenade01.wav", {0.25, 0.35}},   {"tnt01.wav", {0.3, 0.5}},        {"bottle01.wav", {0.8, 1.2}},
        {"life01.wav", {0.5, 0.8}},        {"loser01.wav", {1.5, 2.5}},      {"winner01.wav", {1.5, 2.5}},
        {"info01.wav", {0.15, 0.25}},      {"weaponchange01.wav", {0.1, 0.2}}, {"menu01.wav", {0.05, 0.15}},
        {"nothing01.wav", {0.12, 0.25}},
    };
    return table;
}

TEST(MkdataSoundEffects, EveryEffectHasItsLengthALevelWithTheOthersAndCleanEnds)
{
    const std::vector<SoundEffect> effects = makeSoundEffects();
    ASSERT_EQ(effects.size(), catalogue().size());
    for (const SoundEffect& e : effects) {
        SCOPED_TRACE(e.fileName);
        ASSERT_TRUE(catalogue().count(e.fileName));
        const Expected& want = catalogue().at(e.fileName);
        const SoundLevels l = measureLevels(e.samples, 1);
        EXPECT_GE(l.seconds, want.minSeconds);
        EXPECT_LE(l.seconds, want.maxSeconds);
        EXPECT_GE(l.momentaryMax, kEffectLoudness - 2.0);
        EXPECT_LE(l.momentaryMax, (e.accent ? kEffectLoudness + 3.0 : kEffectLoudness + 2.0));
        EXPECT_LE(l.truePeak, kEffectPeakCeiling);
        EXPECT_LT(std::abs(l.dcOffset), 0.001);
        EXPECT_LT(std::abs(e.samples.front()), 1e-3);
        EXPECT_LT(std::abs(e.samples.back()), 1e-3);
    }
    // Only the explosion and the two jingles are accents.
    int accents = 0;
    for (const SoundEffect& e : effects)
        accents += e.accent;
    EXPECT_EQ(accents, 3);
}

TEST(MkdataSoundEffects, TheGeneratedStandardPackHoldsEveryEffectAsTheBankWantsIt)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data (BURROWIX_DATA=OFF)";
#else
    PackArchive pack(std::string(BURROWIX_GAME_DIR) + "/standart.pak");
    for (const auto& [name, expected] : catalogue()) {
        SCOPED_TRACE(name);
        const int index = pack.findMember(name);
        ASSERT_GE(index, 0);
        EXPECT_EQ(pack.member(index)->name, name);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(pack.readMember(index, bytes));
        bool ok = false;
        const WaveImage image = parsed(bytes, ok);
        ASSERT_TRUE(ok);
        EXPECT_EQ(image.format.channels, 1);
        EXPECT_EQ(image.format.bitsPerSample, 16);
        EXPECT_EQ(image.format.samplesPerSec, 44100u);
        ASSERT_GT(image.format.blockAlign, 0);
        EXPECT_GT(image.length, 0u);
        EXPECT_EQ(image.length % image.format.blockAlign, 0u);
        EXPECT_NEAR(image.length / 2.0 / 44100.0, (expected.minSeconds + expected.maxSeconds) / 2,
                    (expected.maxSeconds - expected.minSeconds) / 2 + 1e-9);
    }
#endif
}

} // namespace
} // namespace burrowix::mkdata
