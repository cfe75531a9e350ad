// The music: the lead-sheet writer, the four songs as written, the loop folding and levelling, and
// the encoded tracks in the generated standard pack.
#include "loudness.hpp"
#include "music_arranging.hpp"
#include "music_mastering.hpp"
#include "music_render.hpp"
#include "music_score.hpp"
#include "ogg_vorbis.hpp"
#include "synth_kit.hpp"

#include "common/asset_manifest.hpp"
#include "platform/archive/pack_archive.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace burrowix::mkdata {
namespace {

TEST(MkdataSongWriter, ReadsNotesAndChordsAsWritten)
{
    const std::pair<const char*, int> keys[] = {{"C4", 60}, {"A4", 69}, {"F#5", 78}, {"Bb3", 58}, {"E2", 40},
                                                {"H4", -1}, {"C", -1},  {"C#", -1},  {"C10", -1}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(parseKey(name), key) << name;
    EXPECT_EQ(parseChord("Am").root, 9);
    EXPECT_EQ(parseChord("Am").intervals, (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(parseChord("Bb7").root, 10);
    EXPECT_EQ(parseChord("Bb7").intervals, (std::vector<int>{0, 4, 7, 10}));
    EXPECT_EQ(parseChord("F#").root, 6);
    EXPECT_TRUE(parseChord("Xm").intervals.empty());
    EXPECT_TRUE(parseChord("Cmaj9").intervals.empty());
}

TEST(MkdataSongWriter, PlacesNotesOnTheChordSheetAndReportsBarsThatDoNotAddUp)
{
    Song song{"test.ogg", 120, 2, {}, {}};
    SongWriter w(song);
    w.chords(0, "C | Am G");
    Part& bass = w.part(0, 32, 100, 64);
    w.bass(bass, 0, 2, "1:8 5:4 8:4", 36, 90, 1.0);
    std::vector<int> keys;
    for (const Note& n : bass.notes)
        keys.push_back(n.key);
    // C: C2 G2 C3; the second bar changes chord halfway: A, then G's fifth and octave.
    EXPECT_EQ(keys, (std::vector<int>{36, 43, 48, 45, 50, 55}));
    EXPECT_EQ(bass.notes[4].tick, kTicksPerBar + 8 * kTicksPerSixteenth);

    Part& lead = w.part(1, 0, 100, 64);
    w.melody(lead, 0, "C5:4 r:4 E5:8 | G5:4 G5", 80, 0.5);
    ASSERT_EQ(lead.notes.size(), 4u);
    EXPECT_EQ(lead.notes[1].tick, 8 * kTicksPerSixteenth);
    EXPECT_EQ(lead.notes[3].length, 2 * kTicksPerSixteenth);  // the length carries over, gated by half
    ASSERT_EQ(song.faults.size(), 1u);
    EXPECT_NE(song.faults[0].find("bar 2 has 8"), std::string::npos) << song.faults[0];

    Part& keysPart = w.part(2, 0, 100, 64);
    w.comp(keysPart, 0, 1, "x---....o.......", 60, 100);
    ASSERT_EQ(keysPart.notes.size(), 6u);
    EXPECT_EQ(keysPart.notes[0].length, 4 * kTicksPerSixteenth * 9 / 10);
    EXPECT_EQ(keysPart.notes[3].velocity, 75);
    std::set<int> tones;
    for (int i = 0; i < 3; ++i)
        tones.insert(keysPart.notes[static_cast<std::size_t>(i)].key);
    EXPECT_EQ(tones, (std::set<int>{60, 64, 67}));
}

double notesPerSecond(const Song& song)
{
    std::size_t notes = 0;
    for (const Part& p : song.parts)
        notes += p.notes.size();
    return static_cast<double>(notes) / song.loopSeconds();
}

TEST(MkdataSongs, AreWholeSongsThatGetFasterAndBusierWithTheDifficulty)
{
    const std::vector<Song> songs = composeSongs();
    // The game's tracks in its order, the menus' first.
    ASSERT_EQ(songs.size(), std::size_t(assets::kMusicTrackCount));
    for (std::size_t i = 0; i < songs.size(); ++i) {
        const Song& song = songs[i];
        SCOPED_TRACE(song.fileName);
        EXPECT_EQ(song.fileName, assets::kMusicTracks[i]);
        EXPECT_TRUE(song.faults.empty()) << song.faults.front();
        EXPECT_GE(song.loopSeconds(), 180.0);
        EXPECT_LE(song.loopSeconds(), 240.0);
        bool drums = false;
        std::set<int> channels;
        for (const Part& p : song.parts) {
            EXPECT_TRUE(channels.insert(p.channel).second) << "channel " << p.channel << " used twice";
            drums = drums || p.channel == kDrumChannel;
            for (const Note& n : p.notes) {
                EXPECT_GE(n.tick, 0);
                EXPECT_LE(n.tick + n.length, song.loopTicks());
                EXPECT_GT(n.length, 0);
            }
        }
        EXPECT_TRUE(drums);
        EXPECT_GE(song.parts.size(), 5u);
        // Something sounds on the first beat, so the loop has no leading silence.
        bool downbeat = false;
        for (const Part& p : song.parts)
            for (const Note& n : p.notes)
                downbeat = downbeat || n.tick == 0;
        EXPECT_TRUE(downbeat);
    }
    for (std::size_t i = 2; i < songs.size(); ++i) {
        EXPECT_GT(songs[i].tempo, songs[i - 1].tempo) << songs[i].fileName;
        EXPECT_GT(notesPerSecond(songs[i]), notesPerSecond(songs[i - 1])) << songs[i].fileName;
    }
}

TEST(MkdataSongs, NoStretchOfEightBarsIsHeardMoreThanTwice)
{
    for (const Song& song : composeSongs()) {
        SCOPED_TRACE(song.fileName);
        EXPECT_LE(mostRepeats(song, 8), 2);
        // Nor in any one part: no theme, riff, bass line or groove comes back a third time unchanged.
        for (const Part& p : song.parts)
            EXPECT_LE(mostRepeats(song, 8, p.channel), 2) << "channel " << p.channel;
    }
}

TEST(MkdataSongs, ArePlayedWithDynamicsAndHumanTiming)
{
    for (const Song& song : composeSongs()) {
        SCOPED_TRACE(song.fileName);
        // The loudest eight bars are clearly louder than the quietest.
        std::vector<double> sum(static_cast<std::size_t>(song.bars / 8)), count(sum.size());
        std::set<int> velocities;
        std::set<long> lateness;
        for (const Part& p : song.parts)
            for (const Note& n : p.notes) {
                const std::size_t block = static_cast<std::size_t>(n.tick / (8 * kTicksPerBar));
                if (block < sum.size()) {
                    sum[block] += n.velocity;
                    ++count[block];
                }
                velocities.insert(n.velocity);
                lateness.insert(std::lround(n.late * 10000));
                EXPECT_GE(n.late, 0.0);
                EXPECT_LT(n.late, 0.02);
            }
        double quietest = 1e9, loudest = 0;
        for (std::size_t b = 0; b < sum.size(); ++b)
            if (count[b] > 0) {
                quietest = std::min(quietest, sum[b] / count[b]);
                loudest = std::max(loudest, sum[b] / count[b]);
            }
        EXPECT_LT(quietest, 0.8 * loudest);
        EXPECT_GT(velocities.size(), 40u);
        EXPECT_GT(lateness.size(), 40u);
    }
}

TEST(MkdataArranging, RepeatsTransposingHumanisingAndFills)
{
    // Two bars of melody and a one-bar groove, written out for 12 bars: melody ABABAB..., so every
    // 8-bar stretch starting on an even bar is the same and so is every one starting on an odd bar.
    Song song{"t.ogg", 120, 12, {}, {}};
    SongWriter w(song);
    w.chords(0, "C | C | C | C | C | C | C | C | C | C | C | C");
    Part& lead = w.part(0, 0, 100, 64);
    Part& drums = w.part(kDrumChannel, 0, 100, 64);
    for (int bar = 0; bar < 12; bar += 2)
        w.melody(lead, bar, "C5:16 | E5:16", 90);
    w.drum(drums, 0, 12, 36, "x...x...x...x...", 100);
    EXPECT_EQ(mostRepeats(song, 8), 3);  // starts 0, 2, 4 (and 1, 3 for the other phase)
    EXPECT_EQ(mostRepeats(song, 8, kDrumChannel), 5);
    EXPECT_EQ(mostRepeats(song, 8, 5), 0);  // a silent channel repeats nothing

    // Moving bars 4-5 up breaks the stretches that contain them; the drums stay where they are.
    transpose(song, 4, 6, 2);
    EXPECT_EQ(lead.notes[4].key, 74);
    EXPECT_EQ(lead.notes[5].key, 78);
    EXPECT_EQ(lead.notes[3].key, 76);
    EXPECT_EQ(drums.notes[16].key, 36);
    EXPECT_EQ(mostRepeats(song, 8), 1);
    EXPECT_EQ(mostRepeats(song, 8, kDrumChannel), 5);

    // Fills replace the last beat of every fourth bar and make the groove vary.
    addFills(drums, 0, 12, 4, 90, 5);
    EXPECT_LT(mostRepeats(song, 8, kDrumChannel), 5);
    for (const Note& n : drums.notes)
        if (n.tick / kTicksPerBar == 3 && n.tick % kTicksPerBar >= 3 * kTicksPerBeat) {
            EXPECT_TRUE(n.key == 36 || n.key == 38 || (n.key >= 43 && n.key <= 50)) << n.key;
        }

    // Humanising is repeatable, and changes velocities and timing without moving notes on the grid.
    Song a = song, b = song;
    humanise(a, 9);
    humanise(b, 9);
    std::set<int> velocities;
    for (std::size_t i = 0; i < a.parts[0].notes.size(); ++i) {
        EXPECT_EQ(a.parts[0].notes[i].velocity, b.parts[0].notes[i].velocity);
        EXPECT_EQ(a.parts[0].notes[i].late, b.parts[0].notes[i].late);
        EXPECT_EQ(a.parts[0].notes[i].tick, song.parts[0].notes[i].tick);
        EXPECT_GT(a.parts[0].notes[i].late, 0.0);
        velocities.insert(a.parts[0].notes[i].velocity);
    }
    EXPECT_GT(velocities.size(), 3u);

    // A crescendo over bars 0-12 from half to full strength.
    Song c = song;
    shapeDynamics(c, {{0, 12, 0.5, 1.0}});
    EXPECT_EQ(c.parts[0].notes.front().velocity, 45);
    EXPECT_GT(c.parts[0].notes.back().velocity, 80);
}

TEST(MkdataMusicLoop, TheRenderedTailContinuesAtTheStart)
{
    // Four frames of loop, then a tail of five frames that wraps round once.
    std::vector<float> stereo;
    for (int i = 0; i < 9; ++i) {
        stereo.push_back(static_cast<float>(i + 1));
        stereo.push_back(static_cast<float>(-(i + 1)));
    }
    foldTail(stereo, 4);
    EXPECT_EQ(stereo, (std::vector<float>{1 + 5 + 9, -(1 + 5 + 9), 2 + 6, -(2 + 6), 3 + 7, -(3 + 7), 4 + 8, -(4 + 8)}));
}

TEST(MkdataMusicLoop, LevellingHitsTheTargetAndLimitsPeaksAcrossTheLoopPoint)
{
    // A quiet tone with loud clicks, one of them in the very last frames: the limiter must already
    // be pulling the gain down at the start, where the loop continues after that click.
    Samples tone1 = tone(Wave::Sine, 220, 8.0);
    scale(tone1, 0.01);
    std::vector<float> stereo;
    for (float v : tone1) {
        stereo.push_back(v);
        stereo.push_back(v);
    }
    const std::size_t frames = tone1.size();
    for (std::size_t at : {frames / 3, frames / 2, frames - 2})
        for (std::size_t k = 0; k < 2; ++k) {
            stereo[2 * at + k] = 0.9f;
            stereo[2 * (at + 1) + k] = -0.9f;
        }
    masterLoop(stereo);
    const SoundLevels after = measureLevels(stereo, 2);
    EXPECT_NEAR(after.integrated, kMusicLoudness, 0.5);
    float peak = 0;
    for (float v : stereo)
        peak = std::max(peak, std::abs(v));
    EXPECT_LE(20 * std::log10(peak), kMusicPeakCeiling - 0.9);
    // Away from the clicks the tone is raised evenly; right after the loop point it is still held down.
    const double gainMiddle = std::abs(stereo[2 * (frames / 4)]) / std::abs(tone1[frames / 4]);
    const double gainStart = std::abs(stereo[2 * 10]) / std::abs(tone1[10]);
    EXPECT_GT(gainMiddle, 1.0);
    EXPECT_LT(gainStart, gainMiddle * 0.9);

    const LoopSeam seam = measureLoopSeam(std::vector<float>{0, 0, 0.1f, 0.1f, 0.2f, 0.2f, 0.3f, 0.3f}, 2);
    EXPECT_NEAR(seam.step, 0.3, 1e-6);
    EXPECT_NEAR(seam.typical, 0.1, 1e-6);
}

TEST(MkdataOggVorbis, EncodesOneStreamThatDecodesToTheSameLengthAndBytesEveryTime)
{
    std::vector<float> stereo;
    const Samples a = tone(Wave::Saw, 330, 1.5), b = tone(Wave::Square, 220, 1.5);
    for (std::size_t i = 0; i < a.size(); ++i) {
        stereo.push_back(0.3f * a[i]);
        stereo.push_back(0.3f * b[i]);
    }
    const std::vector<std::uint8_t> ogg = encodeOggVorbis(stereo, 2, kSampleRate, 0.4f);
    EXPECT_EQ(ogg, encodeOggVorbis(stereo, 2, kSampleRate, 0.4f));
    const std::optional<DecodedSound> decoded = decodeOggVorbis(ogg);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->channels, 2);
    EXPECT_EQ(decoded->rate, 44100);
    EXPECT_EQ(decoded->streams, 1);
    EXPECT_EQ(decoded->samples.size(), stereo.size());
    EXPECT_NEAR(measureLevels(decoded->samples, 2).integrated, measureLevels(stereo, 2).integrated, 0.3);
    EXPECT_FALSE(decodeOggVorbis(std::vector<std::uint8_t>(ogg.begin(), ogg.begin() + 40)));
}

TEST(MkdataMusicTracks, TheGeneratedStandardPackHoldsFourLevelledSeamlessLoops)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data (BURROWIX_DATA=OFF)";
#else
    PackArchive pack(std::string(BURROWIX_GAME_DIR) + "/standart.pak");
    for (const char* name : assets::kMusicTracks) {
        SCOPED_TRACE(name);
        const int index = pack.findMember(name);
        ASSERT_GE(index, 0);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(pack.readMember(index, bytes));
        const std::optional<DecodedSound> track = decodeOggVorbis(bytes);
        ASSERT_TRUE(track);
        EXPECT_EQ(track->streams, 1);
        EXPECT_EQ(track->channels, 2);
        EXPECT_EQ(track->rate, 44100);
        const SoundLevels levels = measureLevels(track->samples, 2);
        EXPECT_GE(levels.seconds, 180.0);
        EXPECT_LE(levels.seconds, 240.0);
        EXPECT_NEAR(levels.integrated, kMusicLoudness, 1.0);
        // Sections rise and fall.
        EXPECT_GE(levels.range, 5.0);
        EXPECT_LE(levels.truePeak, kMusicPeakCeiling);
        EXPECT_LT(std::abs(levels.dcOffset), 0.001);
        // The join is no bigger a step than the music's own sample-to-sample motion.
        const LoopSeam seam = measureLoopSeam(track->samples, 2);
        EXPECT_LE(seam.ratio(), 3.0) << seam.step << " against " << seam.typical;
        // Sound from the first 50 ms on: no leading silence.
        const Samples start(track->samples.begin(), track->samples.begin() + 2 * 2205);
        double sum = 0;
        for (float v : start)
            sum += v * v;
        EXPECT_GT(10 * std::log10(sum / static_cast<double>(start.size())), -50.0);
    }
#endif
}

} // namespace
} // namespace burrowix::mkdata
