#pragma once
// Music and long sounds played from a file through the stream engine. A short file (not music) is
// decoded once into a static buffer; everything else plays through a looping ring of 131072 bytes
// that the refill thread tops up from the stream's reader. Every operation takes the engine's lock,
// which the refill thread holds while it refills.

#include <cstdint>
#include <memory>
#include <string>

#include "audio/mixer.hpp"
#include "audio/sound_reader.hpp"

namespace burrowix {


inline constexpr std::uint32_t kRingBytes = 131072;
inline constexpr std::uint32_t kLargestStaticStream = 1048576;
inline constexpr int kMusicCategory = 1;

class SoundStream {
public:
    virtual ~SoundStream() = default;
    virtual void open() {}
    virtual void releaseBuffer() {}
    virtual void play(int loop) { (void)loop; }
    virtual void pause() {}
    virtual void stop() {}
    virtual void setVolume(float v) { (void)v; }
    virtual void setFrequency(float ratio) { (void)ratio; }
    virtual void setPan(float p) { (void)p; }
    virtual SoundStream* clone() { return this; }
    virtual float frequency() { return 0.0f; }
    virtual float getVolume() { return volume; }
    virtual float getPan() { return pan; }
    virtual int isPlaying() { return 0; }
    virtual void refill() {}

    std::string path; // the file actually opened
    std::string key;  // the name the stream was asked for
    float volume = 1.0f;
    float pan = 0.0f;
    bool playing = false;
    bool looping = false;
    bool cloneFlag = false; // carried over by clone, used by nothing else
    int category = 0;       // 0..3
    bool refilling = false;
    bool autoDelete = false;
    std::unique_ptr<MixerBuffer> buffer;
    std::unique_ptr<SoundReader> reader; // null for a static stream
    std::uint64_t written = 0;           // bytes written into the ring since the last rewind
};

class BufferedSoundStream : public SoundStream {
public:
    ~BufferedSoundStream() override;
    void open() override;
    void releaseBuffer() override;
    void play(int loop) override;
    void pause() override;
    void stop() override;
    void setVolume(float v) override;
    void setFrequency(float ratio) override;
    void setPan(float p) override;
    SoundStream* clone() override;
    float frequency() override;
    float getVolume() override;
    float getPan() override;
    int isPlaying() override;
    void refill() override;

private:
    // Writes `count` bytes from the reader into the buffer at `offset`.
    void fill(std::uint32_t offset, std::uint32_t count);
};

} // namespace burrowix
