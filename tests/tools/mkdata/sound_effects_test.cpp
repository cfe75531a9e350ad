// The synthesised sound effects: their files as the game's effect bank parses them, their lengths
// against the catalogue, their levels, and the measuring and filtering they are made with.
#include "loudness.hpp"
#include "music_mastering.hpp"
#include "sound_effects.hpp"
#include "synth_kit.hpp"
#include "wav_writer.hpp"

#include "audio/riff_wave.hpp"
#include "common/asset_manifest.hpp"
#include "platform/archive/pack_archive.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <numbers>
#include <set>

namespace burrowix::mkdata {
namespace {

using assets::Effect;
using assets::effectFile;

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
const std::map<Effect, Expected>& catalogue()
{
    using enum Effect;
    static const std::map<Effect, Expected> table = {
        {Explosion, {0.8, 1.2}},  {StoneFall, {0.2, 0.4}},     {NuggetFall, {0.2, 0.4}},  {Nugget, {0.3, 0.5}},
        {Mineral1, {0.3, 0.5}},   {Mineral2, {0.3, 0.5}},      {Mineral3, {0.3, 0.5}},    {AddWeapon1, {0.3, 0.6}},
        {AddWeapon2, {0.3, 0.6}}, {AddWeapon3, {0.3, 0.6}},    {Mine, {0.2, 0.3}},        {Shot, {0.2, 0.3}},
        {Grenade, {0.25, 0.35}},  {Tnt, {0.3, 0.5}},           {Bottle, {0.8, 1.2}},      {Life, {0.5, 0.8}},
        {Loser, {1.5, 2.5}},      {Winner, {1.5, 2.5}},        {Info, {0.15, 0.25}},      {WeaponChange, {0.1, 0.2}},
        {Menu, {0.05, 0.15}},     {Nothing, {0.12, 0.25}},     {Dig1, {0.1, 0.25}},       {Dig2, {0.1, 0.25}},
        {Dig3, {0.1, 0.25}},
    };
    return table;
}

const std::vector<SoundEffect>& effects()
{
    static const std::vector<SoundEffect> all = makeSoundEffects();
    return all;
}

const SoundEffect& effect(Effect id)
{
    for (const SoundEffect& e : effects())
        if (e.fileName == effectFile(id))
            return e;
    ADD_FAILURE() << "no effect " << effectFile(id);
    return effects().front();
}

TEST(MkdataSoundEffects, EveryEffectHasItsLengthItsTiersLoudnessAndCleanEnds)
{
    // Every effect the game loads is made, once, and nothing else.
    ASSERT_EQ(catalogue().size(), std::size_t(assets::kEffectCount));
    ASSERT_EQ(effects().size(), catalogue().size());
    std::set<std::string> files;
    for (const SoundEffect& e : effects())
        EXPECT_TRUE(files.insert(e.fileName).second) << e.fileName << " made twice";
    for (const auto& [id, want] : catalogue()) {
        const SoundEffect& e = effect(id);
        SCOPED_TRACE(e.fileName);
        const SoundLevels l = measureLevels(e.samples, 1);
        EXPECT_GE(l.seconds, want.minSeconds);
        EXPECT_LE(l.seconds, want.maxSeconds);
        EXPECT_GE(l.momentaryMax, tierLoudness(e.tier) - 1.0);
        EXPECT_LE(l.momentaryMax, tierLoudness(e.tier) + 0.5);
        EXPECT_LE(l.truePeak, kEffectPeakCeiling);
        EXPECT_LT(std::abs(l.dcOffset), 0.001);
        EXPECT_LT(std::abs(e.samples.front()), 1e-3);
        EXPECT_LT(std::abs(e.samples.back()), 1e-3);
    }
}

TEST(MkdataSoundEffects, TiersRunFromTheExplosionDownToTheInterfaceAndStayOverTheMusic)
{
    using enum Effect;
    EXPECT_EQ(effect(Explosion).tier, Tier::Blast);
    for (Effect id : {StoneFall, NuggetFall})
        EXPECT_EQ(effect(id).tier, Tier::Landing) << effectFile(id);
    for (Effect id : {Nugget, Mineral1, AddWeapon1, Life})
        EXPECT_EQ(effect(id).tier, Tier::Pickup) << effectFile(id);
    for (Effect id : {Menu, WeaponChange, Dig1, Dig2, Dig3})
        EXPECT_EQ(effect(id).tier, Tier::Interface) << effectFile(id);
    int blasts = 0;
    for (const SoundEffect& e : effects())
        blasts += e.tier == Tier::Blast;
    EXPECT_EQ(blasts, 1);

    EXPECT_GT(tierLoudness(Tier::Blast), tierLoudness(Tier::Landing));
    EXPECT_GT(tierLoudness(Tier::Landing), tierLoudness(Tier::Pickup));
    EXPECT_GT(tierLoudness(Tier::Pickup), tierLoudness(Tier::Interface));
    EXPECT_NEAR(tierLoudness(Tier::Blast) - tierLoudness(Tier::Interface), 12.0, 1.0);
    // At the default volumes the quietest tier's loudest moment is no quieter than the music.
    EXPECT_GE(tierLoudness(Tier::Interface) + kDefaultEffectGainDb, kMusicLoudness + kDefaultMusicGainDb);
}

TEST(MkdataSoundEffects, FourExplosionsCloseTogetherOverTheMusicDoNotClipAtTheDefaultVolumes)
{
    Samples sum;
    for (int i = 0; i < 4; ++i)
        mixInto(sum, effect(Effect::Explosion).samples, 0.04 * i, decibelsToGain(kDefaultEffectGainDb));
    float peak = 0;
    for (float v : sum)
        peak = std::max(peak, std::abs(v));
    const double musicPeak = decibelsToGain(kMusicPeakCeiling + kDefaultMusicGainDb);
    EXPECT_LT(peak + musicPeak, 1.0);
}

TEST(MkdataSoundEffects, OnSmallSpeakersEveryEffectKeepsItsLoudness)
{
    for (const SoundEffect& e : effects()) {
        const double full = measureLevels(e.samples, 1).momentaryMax;
        EXPECT_GE(highPassedMomentaryMax(e.samples), full - 6.0) << e.fileName;
    }
    // The filter itself: a 60 Hz hum all but vanishes, a 1 kHz tone is untouched.
    const Samples hum = tone(Wave::Sine, 60, 1.0), mid = tone(Wave::Sine, 1000, 1.0);
    EXPECT_LT(highPassedMomentaryMax(hum), measureLevels(hum, 1).momentaryMax - 20.0);
    EXPECT_NEAR(highPassedMomentaryMax(mid), measureLevels(mid, 1).momentaryMax, 0.5);
}

// Energy in twelve third-octave-spaced bands from 150 Hz to 12 kHz, normalised to unit length.
std::vector<double> bandProfile(const Samples& s)
{
    std::vector<double> bands;
    double norm = 0;
    for (int b = 0; b < 12; ++b) {
        const double centre = 150.0 * std::pow(2.0, b * 6.3 / 11.0);
        Samples band = s;
        filter(band, FilterMode::BandPass, {centre, centre, 0}, 2.0);
        double e = 0;
        for (float v : band)
            e += static_cast<double>(v) * v;
        bands.push_back(e);
        norm += e * e;
    }
    for (double& e : bands)
        e /= std::sqrt(norm);
    return bands;
}

double similarity(const Samples& a, const Samples& b)
{
    const std::vector<double> pa = bandProfile(a), pb = bandProfile(b);
    double dot = 0;
    for (std::size_t i = 0; i < pa.size(); ++i)
        dot += pa[i] * pb[i];
    return dot;
}

TEST(MkdataSoundEffects, TheVariantsOfOneEventSoundClearlyDifferent)
{
    using enum Effect;
    const std::vector<std::vector<Effect>> groups = {
        {Mineral1, Mineral2, Mineral3},
        {AddWeapon1, AddWeapon2, AddWeapon3},
        {Nugget, NuggetFall, StoneFall},
    };
    for (const auto& group : groups)
        for (std::size_t i = 0; i < group.size(); ++i)
            for (std::size_t j = i + 1; j < group.size(); ++j)
                EXPECT_LT(similarity(effect(group[i]).samples, effect(group[j]).samples), 0.9)
                    << effectFile(group[i]) << " against " << effectFile(group[j]);
    // The digging sounds are variations of one sound: alike in colour, never the same samples.
    const Samples& a = effect(Dig1).samples;
    const Samples& b = effect(Dig2).samples;
    EXPECT_GT(similarity(a, b), 0.8);
    EXPECT_NE(a.size(), b.size());
}

// The stone's landing is heard as a knock and a crunch, not only as a thump below 150 Hz.
TEST(MkdataSoundEffects, TheStoneKnocksAndCrunchesOverItsThump)
{
    const Samples& stone = effect(Effect::StoneFall).samples;
    Samples low = stone;
    filter(low, FilterMode::LowPass, {150, 150, 0}, 0.7071);
    double all = 0, below = 0;
    for (std::size_t i = 0; i < stone.size(); ++i) {
        all += static_cast<double>(stone[i]) * stone[i];
        below += static_cast<double>(low[i]) * low[i];
    }
    EXPECT_LT(below / all, 0.4);
}

} // namespace
} // namespace burrowix::mkdata
