#pragma once
// The project's own mixer. Sound buffers are static (filled once, converted then to the mix format,
// played once or looping) or rings (kept in their writer's format, always looping, written in
// regions while they play, with a readable play cursor). Volume and pan are in hundredths of a
// decibel (gain 10^(v/2000)); -10000 is silence. The output device's thread calls `mix`; every
// buffer field it reads is guarded by the mixer's lock.

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "audio/wave_format.hpp"

namespace burrowix {

inline constexpr int kSilenceHundredthsDb = -10000;

// Linear gain of a volume in hundredths of a decibel; exactly 0 at -10000 and below.
float gainOfHundredthsDb(int hundredths);

// Status bits of a buffer.
enum BufferStatus : unsigned { BufferPlaying = 1, BufferLost = 2, BufferLooping = 4 };

// The places a locked range lies in: a ring range that runs past the end continues at offset 0.
struct LockedRegions {
    std::uint8_t* first = nullptr;
    std::uint32_t firstBytes = 0;
    std::uint8_t* second = nullptr;
    std::uint32_t secondBytes = 0;
};

class Mixer;

class MixerBuffer {
public:
    ~MixerBuffer();
    MixerBuffer(const MixerBuffer&) = delete;
    MixerBuffer& operator=(const MixerBuffer&) = delete;

    bool isRing() const { return ring_; }
    // Size in the writer's format.
    std::uint32_t bytes() const { return bytes_; }
    const WaveFormat& format() const { return source_; }

    // Hands out writable regions; nothing reaches the mixer before `unlock`. A static buffer is
    // written whole (offset 0, its full size); a ring takes any range up to its size.
    bool lock(std::uint32_t offset, std::uint32_t count, LockedRegions& regions);
    void unlock();

    void play(bool loop);
    void stop();
    // The play cursor in bytes of the stored samples.
    void setPosition(std::uint32_t byteOffset);
    std::uint32_t position() const;
    unsigned status() const;
    // The output lost the buffer: it stops and reports BufferLost until restored. The samples stay.
    void markLost();
    void restore();

    void setVolume(int hundredthsDb);
    int volume() const;
    void setPan(int hundredthsDb); // positive attenuates the left channel
    int pan() const;
    void setFrequency(std::uint32_t hz); // 0 restores the stored rate
    std::uint32_t frequency() const;

    // A second static buffer playing the same sample memory; null for a ring or an empty buffer.
    std::unique_ptr<MixerBuffer> duplicate();

private:
    friend class Mixer;
    MixerBuffer(Mixer& mixer, const WaveFormat& source, std::uint32_t bytes, bool ring);
    void mixInto(float* acc, int frames);
    template <int Bits, int Channels> void mixFrames(float* acc, int frames);
    void updateGains();

    Mixer& mixer_;
    const WaveFormat source_;
    const std::uint32_t bytes_;
    const bool ring_;
    // Writer side, touched only by the owner's thread.
    std::vector<std::uint8_t> staging_;
    std::uint32_t lockOffset_ = 0;
    std::uint32_t lockCount_ = 0;
    bool locked_ = false;
    // Read by the output thread; changed under the mixer's lock.
    std::shared_ptr<std::vector<std::uint8_t>> samples_;
    WaveFormat stored_;
    std::uint32_t frames_ = 0;
    bool playing_ = false;
    bool looping_ = false;
    bool lost_ = false;
    std::uint64_t cursor_ = 0; // frames in the high bits, a 16-bit fraction below
    int volume_ = 0;
    int pan_ = 0;
    std::uint32_t frequency_ = 0;
    float gainLeft_ = 1.0f;
    float gainRight_ = 1.0f;
};

class Mixer {
public:
    Mixer();
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Null when the format cannot be played: static buffers take integer PCM of 8, 16 or 32 bits or
    // 32-bit float, 1 to 8 channels; rings take 8- or 16-bit integer PCM, mono or stereo.
    std::unique_ptr<MixerBuffer> createStaticBuffer(const WaveFormat& format, std::uint32_t bytes);
    std::unique_ptr<MixerBuffer> createRingBuffer(const WaveFormat& format, std::uint32_t bytes);

    // Mixes `frames` frames of every playing buffer into `out` (mix format, interleaved),
    // saturating; advances the play cursors. Allocates nothing.
    void mix(std::int16_t* out, int frames);

    int bufferCount() const;

private:
    friend class MixerBuffer;
    static constexpr int kChunkFrames = 1024;
    mutable std::mutex lock_;
    std::vector<MixerBuffer*> buffers_;
    std::vector<float> accumulator_;
};

} // namespace burrowix
