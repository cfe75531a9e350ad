#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "audio/mixer.hpp"
#include "audio/ogg_reader.hpp"
#include "audio/sound_stream.hpp"
#include "audio_test_support.hpp"

namespace burrowix {
namespace {

TEST(StreamVolume, HundredthsOfADecibel)
{
    const std::pair<float, int> rows[] = {{1.0f, 0},    {0.0f, -10000}, {0.8f, -159},  {0.56f, -426},
                                          {0.5f, -512}, {1.7f, 0},      {-0.3f, -10000}};
    for (auto [v, h] : rows)
        EXPECT_EQ(toHundredthsDb(v), h) << v;
    for (float v : {0.0f, 0.25f, 0.5f, 0.8f, 1.0f})
        EXPECT_NEAR(fromHundredthsDb(toHundredthsDb(v)), v, 0.01f) << v;
}

// Streams over buffers that nothing plays but the test: it moves the play cursor by mixing.
class StreamEngineTest : public test::AudioTest {
protected:
    void SetUp() override
    {
        AudioTest::SetUp();
        streamEngine.device = 1;
        setCategoryVolume(1.0f, kMusicCategory);
        // Two seconds: longer than one ring.
        ASSERT_TRUE(test::writeOgg(dir.file("tone.ogg"), test::sineTone(88200, 2, 44100, 440, 8000), 2, 44100));
        OggReader reader;
        ASSERT_EQ(reader.open(dir.file("tone.ogg")), 0);
        decoded.resize(reader.dataLength);
        reader.read(decoded.data(), reader.dataLength, 0);
    }

    static std::vector<std::int16_t> advance(int frames)
    {
        std::vector<std::int16_t> out(std::size_t(frames) * 2);
        theMixer().mix(out.data(), frames);
        return out;
    }
    // `frames` frames of the decoded file from byte `offset`.
    std::vector<std::int16_t> decodedFrames(std::size_t offset, int frames) const
    {
        std::vector<std::int16_t> out(std::size_t(frames) * 2);
        std::memcpy(out.data(), decoded.data() + offset, out.size() * 2);
        return out;
    }

    std::vector<std::uint8_t> decoded;
};

TEST_F(StreamEngineTest, MusicStreamsThroughTheRingShortSoundsAreStatic)
{
    SoundStream* music = getStream(dir.file("tone.ogg"), kMusicCategory);
    ASSERT_TRUE(music->buffer);
    EXPECT_TRUE(music->buffer->isRing());
    EXPECT_EQ(music->buffer->bytes(), kRingBytes);
    EXPECT_TRUE(music->reader);
    EXPECT_EQ(music->written, kRingBytes);

    std::filesystem::copy_file(dir.file("tone.ogg"), dir.file("short.ogg"));
    SoundStream* effect = getStream(dir.file("short.ogg"), 0 + 4); // category keeps its low two bits
    EXPECT_EQ(effect->category, 0);
    ASSERT_TRUE(effect->buffer);
    EXPECT_FALSE(effect->buffer->isRing());
    EXPECT_FALSE(effect->reader);
}

TEST_F(StreamEngineTest, CategoryVolumeScalesEveryStream)
{
    setCategoryVolume(0.8f, kMusicCategory);
    SoundStream* music = getStream(dir.file("tone.ogg"), kMusicCategory);
    music->setVolume(0.7f);
    EXPECT_EQ(music->buffer->volume(), -426);
    setCategoryVolume(0.0f, kMusicCategory);
    EXPECT_EQ(music->buffer->volume(), kSilenceHundredthsDb);
    EXPECT_EQ(music->volume, 0.7f);
}

TEST_F(StreamEngineTest, RequestingANameAgainGivesAClone)
{
    SoundStream* first = getStream(dir.file("tone.ogg"), kMusicCategory);
    first->setVolume(0.5f);
    std::string upper = dir.file("TONE.OGG");
    SoundStream* second = getStream(upper, kMusicCategory);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->key, first->key);
    EXPECT_EQ(second->volume, 0.5f);
    ASSERT_TRUE(second->buffer);
    EXPECT_EQ(registeredStreamCount(), 2);
    EXPECT_EQ(getStream("", kMusicCategory), nullptr);
}

TEST_F(StreamEngineTest, CloneFindsItsFileAgainByKeyWhenTheCopyIsGone)
{
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    SoundStream* music = getStream("tone.ogg", kMusicCategory);
    music->path = dir.file("ru000000.tmp"); // a temporary copy that was deleted
    SoundStream* copy = music->clone();
    std::filesystem::current_path(here);
    EXPECT_EQ(copy->path, "tone.ogg");
    EXPECT_TRUE(copy->buffer);
}

TEST_F(StreamEngineTest, RefillWritesWhatWasPlayedAndTheRingWraps)
{
    SoundStream* music = getStream(dir.file("tone.ogg"), kMusicCategory);
    music->play(1);
    EXPECT_TRUE(music->refilling);
    advance(8820);
    music->refill();
    EXPECT_EQ(music->written, kRingBytes + 35280);
    music->refill(); // nothing played since
    EXPECT_EQ(music->written, kRingBytes + 35280);
    // On to the end of the ring: what follows at offset 0 is the file after the first ring.
    const auto firstLap = advance((kRingBytes - 35280) / 4);
    EXPECT_EQ(std::vector<std::int16_t>(firstLap.end() - 200, firstLap.end()), decodedFrames(kRingBytes - 400, 100));
    EXPECT_EQ(advance(100), decodedFrames(kRingBytes, 100));
    music->refill();
    EXPECT_EQ(music->written, 2 * kRingBytes + 400);
}

// Delivers half of what is asked.
class HalfReader : public SoundReader {
public:
    std::uint32_t read(std::uint8_t* dest, std::uint32_t count, int) override
    {
        std::memset(dest, 1, count / 2);
        return count / 2;
    }
};

TEST_F(StreamEngineTest, ShortReadsStillAdvanceTheWriteCount)
{
    SoundStream* music = getStream(dir.file("tone.ogg"), kMusicCategory);
    music->reader = std::make_unique<HalfReader>();
    music->reader->dataLength = 1u << 30;
    music->play(1);
    advance(1000);
    music->refill();
    EXPECT_EQ(music->written, kRingBytes + 4000);
}

TEST_F(StreamEngineTest, NonLoopingStreamStopsItselfNearTheEnd)
{
    SoundStream* music = getStream(dir.file("tone.ogg"), kMusicCategory);
    music->play(0);
    std::uint64_t played = 0;
    for (int i = 0; i < 100 && music->isPlaying(); ++i) {
        advance(2205);
        played += 8820;
        music->refill();
    }
    EXPECT_FALSE(music->isPlaying());
    // The end test counts the bytes just written: the stop comes at most one refill early.
    EXPECT_GE(played + 8820, decoded.size());
    EXPECT_LT(played, decoded.size() + 8820);
    EXPECT_EQ(music->written, kRingBytes); // stopped: pre-filled from the start
}

TEST_F(StreamEngineTest, StopPrefillsTheRingFromTheStart)
{
    SoundStream* music = getStream(dir.file("tone.ogg"), kMusicCategory);
    music->play(1);
    for (int i = 0; i < 20; ++i) {
        advance(2205);
        music->refill();
    }
    music->stop();
    EXPECT_FALSE(music->refilling);
    EXPECT_EQ(music->buffer->position(), 0u);
    EXPECT_EQ(music->written, kRingBytes);
    music->play(1);
    EXPECT_EQ(advance(300), decodedFrames(0, 300));
}

TEST_F(StreamEngineTest, BadFileLeavesAStreamWithoutABuffer)
{
    test::writeBytes(dir.file("bad.ogg"), {1, 2, 3});
    SoundStream* bad = getStream(dir.file("bad.ogg"), kMusicCategory);
    ASSERT_NE(bad, nullptr);
    EXPECT_FALSE(bad->buffer);
    EXPECT_FALSE(bad->reader);
    bad->play(1);
    bad->setVolume(1.0f);
    bad->refill();
    EXPECT_EQ(bad->isPlaying(), 0);
    EXPECT_EQ(registeredStreamCount(), 1);
}

TEST_F(StreamEngineTest, RegistryFillsTheFirstEmptySlotAndGrowsByHalf)
{
    std::vector<std::unique_ptr<SoundStream>> streams;
    for (int i = 0; i < 101; ++i) {
        streams.push_back(std::make_unique<SoundStream>());
        registerStream(streams.back().get());
    }
    EXPECT_EQ(streamEngine.capacity, 150);
    unregisterStream(streams[5].get());
    auto extra = std::make_unique<SoundStream>();
    registerStream(extra.get());
    EXPECT_EQ(streamEngine.streams[5], extra.get());
    EXPECT_EQ(streamEngine.streams.size(), 101u);
    for (auto& s : streams)
        unregisterStream(s.get());
    unregisterStream(extra.get());
}

class GameMusicTest : public test::AudioTest {
protected:
    void SetUp() override
    {
        AudioTest::SetUp();
        here = std::filesystem::current_path();
        std::filesystem::current_path(dir.path());
        const auto tone = test::sineTone(4410, 2, 44100, 220, 4000);
        for (const char* name : {"back1.ogg", "back2.ogg", "back3.ogg", "back4.ogg"})
            ASSERT_TRUE(test::writeOgg(name, tone, 2, 44100));
    }
    void TearDown() override
    {
        AudioTest::TearDown();
        std::filesystem::current_path(here);
    }
    std::filesystem::path here;
};

TEST_F(GameMusicTest, OneCurrentTrackAtTheMusicVolume)
{
    startGameMusic(nullptr, 1, 70);
    ASSERT_NE(gameMusic.music, nullptr);
    EXPECT_EQ(gameMusic.music->key, "back1.ogg");
    EXPECT_EQ(gameMusic.track, "back1.ogg");
    EXPECT_EQ(gameMusic.music->buffer->volume(), -426); // 0.7 x 0.8
    EXPECT_TRUE(gameMusic.music->isPlaying());

    playMusic("back4.ogg", 70);
    EXPECT_EQ(gameMusic.music->key, "back4.ogg");
    EXPECT_EQ(registeredStreamCount(), 1); // the replaced track is gone
    playMusic("back1.ogg", 70);
    playMusic("back1.ogg", 70); // again: a clone replaces the first
    EXPECT_EQ(gameMusic.music->key, "back1.ogg");
    EXPECT_EQ(registeredStreamCount(), 1);

    stopMusic();
    EXPECT_FALSE(gameMusic.music->isPlaying());
    EXPECT_EQ(gameMusic.track, "");
    playMusic("back1.ogg", 40);
    EXPECT_TRUE(gameMusic.music->isPlaying());
    applyMusicVolume(100);
    EXPECT_EQ(gameMusic.music->buffer->volume(), -159);
}

TEST_F(GameMusicTest, MusicOffStartsTheEngineWithoutATrack)
{
    startGameMusic(nullptr, 0, 70);
    EXPECT_EQ(gameMusic.music, nullptr);
    EXPECT_EQ(streamEngine.device, 1);
    EXPECT_EQ(categoryVolumeOf(kMusicCategory), 0.8f);
}

} // namespace
} // namespace burrowix
