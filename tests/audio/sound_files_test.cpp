// The RIFF WAVE walk and the WAV and Ogg readers.
#include <gtest/gtest.h>

#include <cstring>

#include "audio/ogg_reader.hpp"
#include "audio/riff_wave.hpp"
#include "audio/wav_reader.hpp"
#include "support/sound_files.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

using test::riffImage;
using test::RiffChunk;

const std::vector<std::uint8_t> kData{1, 2, 3, 4, 5, 6, 7, 8};

TEST(RiffWave, FindsTheFirstFormatAndDataPastOtherAndOddChunks)
{
    const auto image = riffImage({{"LIST", {9, 9, 9}}, // odd: one pad byte follows
                                  {"fmt ", test::pcmFormatBody(2, 22050, 16)},
                                  {"data", kData},
                                  {"data", {0xEE, 0xEE}}});
    WaveImage wave;
    ASSERT_TRUE(parseWaveImage(image.data(), image.size(), wave));
    EXPECT_EQ(wave.format, pcm16Format(2, 22050));
    EXPECT_EQ(wave.length, 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(wave.samples, wave.samples + wave.length), kData);
}

TEST(RiffWave, RefusesDamagedFiles)
{
    const auto fmt = test::pcmFormatBody(1, 8000, 8);
    struct Case {
        const char* what;
        std::vector<std::uint8_t> image;
    };
    auto wrongForm = riffImage({{"fmt ", fmt}, {"data", kData}});
    wrongForm[8] = 'X';
    auto cut = riffImage({{"fmt ", fmt}, {"data", kData}});
    cut.resize(cut.size() - 1);
    const Case cases[] = {
        {"fmt shorter than 14 bytes", riffImage({{"fmt ", {1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1}}, {"data", kData}})},
        {"no data chunk", riffImage({{"fmt ", fmt}, {"junk", kData}})},
        {"no fmt chunk", riffImage({{"data", kData}})},
        {"data runs past the file", cut},
        {"RIFF size ends before data", riffImage({{"fmt ", fmt}, {"data", kData}}, 4 + 8 + 16)},
        {"not WAVE", wrongForm},
        {"too short", {'R', 'I', 'F', 'F'}},
    };
    for (const Case& c : cases) {
        WaveImage wave;
        EXPECT_FALSE(parseWaveImage(c.image.data(), c.image.size(), wave)) << c.what;
    }
}

TEST(RiffWave, FourteenByteFormatTakesTheSampleSizeFromTheBlockAlignment)
{
    auto fmt = test::pcmFormatBody(2, 11025, 8);
    fmt.resize(14);
    const auto image = riffImage({{"fmt ", fmt}, {"data", kData}});
    WaveImage wave;
    ASSERT_TRUE(parseWaveImage(image.data(), image.size(), wave));
    EXPECT_EQ(wave.format.bitsPerSample, 8);
    EXPECT_EQ(wave.format.blockAlign, 2);
}

TEST(SoundReaders, ChosenByExtension)
{
    struct Row {
        const char* path;
        const char* kind; // "wav", "ogg" or ""
    };
    const Row rows[] = {{"a.wav", "wav"}, {"music/BACK1.OGG", "ogg"}, {"x.Ogg", "ogg"}, {"/tmp/ruAB12CD.tmp", "ogg"},
                        {"a.TMP", "ogg"},  {"song.mp3", ""},          {"noext", ""},     {"a.", ""},
                        {".w", ""}};
    for (const Row& row : rows) {
        const auto reader = createReaderForFile(row.path);
        const std::string kind = !reader                                       ? ""
                                 : dynamic_cast<WavReader*>(reader.get()) ? "wav"
                                 : dynamic_cast<OggReader*>(reader.get()) ? "ogg"
                                                                              : "?";
        EXPECT_EQ(kind, row.kind) << row.path;
    }
}

TEST(SoundReaders, WavReadDeliversOnlyWhatRemains)
{
    test::TempDir dir;
    test::writeBytes(dir.file("a.wav"), test::wavOf16({1, 2, 3, 4, 5}, 1, 8000));
    WavReader reader;
    ASSERT_EQ(reader.open(dir.file("a.wav")), 0);
    EXPECT_EQ(reader.format, pcm16Format(1, 8000));
    EXPECT_EQ(reader.dataLength, 10u);
    std::uint8_t buf[16];
    std::memset(buf, 0xAA, sizeof buf);
    EXPECT_EQ(reader.read(buf, 6, 1), 6u);
    std::memset(buf, 0xAA, sizeof buf);
    EXPECT_EQ(reader.read(buf, 16, 1), 4u); // no loop, no padding
    EXPECT_EQ(buf[0], 4);
    EXPECT_EQ(buf[4], 0xAA);
    reader.rewind();
    EXPECT_EQ(reader.read(buf, 2, 0), 2u);
    EXPECT_EQ(buf[0], 1);
    EXPECT_EQ(reader.open(dir.file("missing.wav")), 1);
}

class OggReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(test::writeOgg(dir.file("tone.ogg"), test::sineTone(4410, 2, 44100, 440, 8000), 2, 44100));
        ASSERT_EQ(reader.open(dir.file("tone.ogg")), 0);
        whole.resize(reader.dataLength);
        ASSERT_EQ(reader.read(whole.data(), reader.dataLength, 0), reader.dataLength);
        reader.rewind();
    }
    test::TempDir dir;
    OggReader reader;
    std::vector<std::uint8_t> whole;
};

TEST_F(OggReaderTest, ReportsFormatAndLength)
{
    EXPECT_EQ(reader.format, pcm16Format(2, 44100));
    EXPECT_EQ(reader.dataLength, 4410u * 4);
}

TEST_F(OggReaderTest, LoopingReadContinuesFromTheFirstSampleInOneRequest)
{
    std::vector<std::uint8_t> got(whole.size() * 2 + 100);
    EXPECT_EQ(reader.read(got.data(), static_cast<std::uint32_t>(got.size()), 1), got.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        ASSERT_EQ(got[i], whole[i % whole.size()]) << "byte " << i;
}

TEST_F(OggReaderTest, NonLoopingReadEndsInSilence)
{
    std::vector<std::uint8_t> got(whole.size() + 400, 0xAA);
    EXPECT_EQ(reader.read(got.data(), static_cast<std::uint32_t>(got.size()), 0), whole.size());
    EXPECT_TRUE(std::equal(whole.begin(), whole.end(), got.begin()));
    EXPECT_TRUE(std::all_of(got.begin() + static_cast<long>(whole.size()), got.end(), [](auto b) { return b == 0; }));
}

TEST_F(OggReaderTest, BrokenFilesFailToOpenAndLoopsAlwaysEnd)
{
    OggReader other;
    EXPECT_EQ(other.open(dir.file("missing.ogg")), 1);
    test::writeBytes(dir.file("junk.ogg"), {'n', 'o', 't', ' ', 'o', 'g', 'g'});
    EXPECT_EQ(other.open(dir.file("junk.ogg")), 2);

    // The decoder runs dry before the promised length: a looping read ends with silence.
    reader.dataLength = static_cast<std::uint32_t>(whole.size()) + 10000;
    std::vector<std::uint8_t> got(whole.size() * 3, 0xAA);
    EXPECT_EQ(reader.read(got.data(), static_cast<std::uint32_t>(got.size()), 1), whole.size());
    EXPECT_EQ(got.back(), 0);

    // No samples at all: nothing to loop over.
    reader.dataLength = 0;
    std::fill(got.begin(), got.end(), 0xAA);
    EXPECT_EQ(reader.read(got.data(), 64, 1), 0u);
    EXPECT_EQ(got[63], 0);

    // A memory image reads like the file.
    const auto bytes = test::readBytes(dir.file("tone.ogg"));
    ASSERT_EQ(other.openMemory(bytes.data(), bytes.size()), 0);
    std::vector<std::uint8_t> again(whole.size());
    EXPECT_EQ(other.read(again.data(), static_cast<std::uint32_t>(again.size()), 0), whole.size());
    EXPECT_EQ(again, whole);
}

} // namespace
} // namespace burrowix
