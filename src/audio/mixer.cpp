#include "audio/mixer.hpp"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace burrowix {

namespace {

constexpr std::uint64_t kUnity = 1u << 16;

// The SDL sample format of a WAVE format, or 0 when it has none.
SDL_AudioFormat sdlFormatOf(const WaveFormat& f)
{
    if (f.formatTag == kFormatPcm) {
        switch (f.bitsPerSample) {
        case 8: return AUDIO_U8;
        case 16: return AUDIO_S16LSB;
        case 32: return AUDIO_S32LSB;
        default: return 0;
        }
    }
    if (f.formatTag == kFormatFloat && f.bitsPerSample == 32)
        return AUDIO_F32LSB;
    return 0;
}

bool wellFormed(const WaveFormat& f)
{
    return f.channels >= 1 && f.samplesPerSec >= 1 && f.samplesPerSec <= 384000 &&
           f.blockAlign == f.channels * f.bitsPerSample / 8 && sdlFormatOf(f) != 0;
}

// The samples of a static buffer in the mix format; empty when SDL cannot convert them.
std::vector<std::uint8_t> toMixFormat(const WaveFormat& f, std::vector<std::uint8_t> bytes)
{
    bytes.resize(bytes.size() / f.blockAlign * f.blockAlign);
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, sdlFormatOf(f), static_cast<Uint8>(f.channels), static_cast<int>(f.samplesPerSec),
                          AUDIO_S16LSB, kMixFormat.channels, static_cast<int>(kMixFormat.samplesPerSec)) < 0)
        return {};
    if (!cvt.needed)
        return bytes;
    cvt.len = static_cast<int>(bytes.size());
    bytes.resize(bytes.size() * static_cast<std::size_t>(std::max(cvt.len_mult, 1)) + 16);
    cvt.buf = bytes.data();
    if (SDL_ConvertAudio(&cvt) < 0)
        return {};
    bytes.resize(static_cast<std::size_t>(cvt.len_cvt) / kMixFormat.blockAlign * kMixFormat.blockAlign);
    return bytes;
}

float sampleAt(const std::uint8_t* p, std::integral_constant<int, 16>)
{
    return static_cast<float>(static_cast<std::int16_t>(p[0] | p[1] << 8));
}
float sampleAt(const std::uint8_t* p, std::integral_constant<int, 8>)
{
    return static_cast<float>((static_cast<int>(p[0]) - 128) * 256);
}

} // namespace

float gainOfHundredthsDb(int hundredths)
{
    if (hundredths <= kSilenceHundredthsDb)
        return 0.0f;
    return static_cast<float>(std::pow(10.0, hundredths / 2000.0));
}

// ---- MixerBuffer

MixerBuffer::MixerBuffer(Mixer& mixer, const WaveFormat& source, std::uint32_t bytes, bool ring)
    : mixer_(mixer), source_(source), bytes_(bytes), ring_(ring), stored_(ring ? source : kMixFormat)
{
    frequency_ = stored_.samplesPerSec;
    if (ring) {
        samples_ = std::make_shared<std::vector<std::uint8_t>>(bytes, ring && source.bitsPerSample == 8 ? 128 : 0);
        staging_.resize(bytes);
        frames_ = bytes / source.blockAlign;
    }
    std::lock_guard guard(mixer_.lock_);
    mixer_.buffers_.push_back(this);
}

MixerBuffer::~MixerBuffer()
{
    std::lock_guard guard(mixer_.lock_);
    auto& list = mixer_.buffers_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

bool MixerBuffer::lock(std::uint32_t offset, std::uint32_t count, LockedRegions& regions)
{
    regions = {};
    if (locked_ || count == 0 || count > bytes_ || offset >= bytes_)
        return false;
    if (!ring_) {
        if (offset != 0 || count != bytes_)
            return false;
        staging_.assign(bytes_, 0);
    }
    lockOffset_ = offset;
    lockCount_ = count;
    locked_ = true;
    const std::uint32_t first = std::min(count, bytes_ - offset);
    regions.first = staging_.data() + offset;
    regions.firstBytes = first;
    if (first < count) {
        regions.second = staging_.data();
        regions.secondBytes = count - first;
    }
    return true;
}

void MixerBuffer::unlock()
{
    if (!locked_)
        return;
    locked_ = false;
    if (!ring_) {
        // Converted once, here, so that mixing never converts.
        auto converted = std::make_shared<std::vector<std::uint8_t>>(toMixFormat(source_, std::move(staging_)));
        staging_ = {};
        std::lock_guard guard(mixer_.lock_);
        samples_ = std::move(converted);
        frames_ = static_cast<std::uint32_t>(samples_->size() / kMixFormat.blockAlign);
        cursor_ = std::min<std::uint64_t>(cursor_, std::uint64_t(frames_) << 16);
        return;
    }
    const std::uint32_t first = std::min(lockCount_, bytes_ - lockOffset_);
    std::lock_guard guard(mixer_.lock_);
    std::memcpy(samples_->data() + lockOffset_, staging_.data() + lockOffset_, first);
    if (first < lockCount_)
        std::memcpy(samples_->data(), staging_.data(), lockCount_ - first);
}

void MixerBuffer::play(bool loop)
{
    std::lock_guard guard(mixer_.lock_);
    if (lost_)
        return;
    playing_ = true;
    looping_ = loop || ring_;
}

void MixerBuffer::stop()
{
    std::lock_guard guard(mixer_.lock_);
    playing_ = false;
}

void MixerBuffer::setPosition(std::uint32_t byteOffset)
{
    std::lock_guard guard(mixer_.lock_);
    const std::uint64_t frame = byteOffset / stored_.blockAlign;
    cursor_ = std::min<std::uint64_t>(frame, frames_) << 16;
}

std::uint32_t MixerBuffer::position() const
{
    std::lock_guard guard(mixer_.lock_);
    return static_cast<std::uint32_t>((cursor_ >> 16) * stored_.blockAlign);
}

unsigned MixerBuffer::status() const
{
    std::lock_guard guard(mixer_.lock_);
    if (lost_)
        return BufferLost;
    return (playing_ ? BufferPlaying : 0u) | (playing_ && looping_ ? BufferLooping : 0u);
}

void MixerBuffer::markLost()
{
    std::lock_guard guard(mixer_.lock_);
    lost_ = true;
    playing_ = false;
}

void MixerBuffer::restore()
{
    std::lock_guard guard(mixer_.lock_);
    lost_ = false;
}

void MixerBuffer::setVolume(int hundredthsDb)
{
    std::lock_guard guard(mixer_.lock_);
    volume_ = std::clamp(hundredthsDb, kSilenceHundredthsDb, 0);
    updateGains();
}

int MixerBuffer::volume() const
{
    std::lock_guard guard(mixer_.lock_);
    return volume_;
}

void MixerBuffer::setPan(int hundredthsDb)
{
    std::lock_guard guard(mixer_.lock_);
    pan_ = std::clamp(hundredthsDb, kSilenceHundredthsDb, -kSilenceHundredthsDb);
    updateGains();
}

int MixerBuffer::pan() const
{
    std::lock_guard guard(mixer_.lock_);
    return pan_;
}

void MixerBuffer::setFrequency(std::uint32_t hz)
{
    std::lock_guard guard(mixer_.lock_);
    frequency_ = hz == 0 ? stored_.samplesPerSec : std::clamp<std::uint32_t>(hz, 100, 200000);
}

std::uint32_t MixerBuffer::frequency() const
{
    std::lock_guard guard(mixer_.lock_);
    return frequency_;
}

std::unique_ptr<MixerBuffer> MixerBuffer::duplicate()
{
    if (ring_)
        return nullptr;
    std::shared_ptr<std::vector<std::uint8_t>> samples;
    std::uint32_t frames = 0;
    int volume = 0;
    int pan = 0;
    std::uint32_t frequency = 0;
    {
        std::lock_guard guard(mixer_.lock_);
        if (!samples_)
            return nullptr;
        samples = samples_;
        frames = frames_;
        volume = volume_;
        pan = pan_;
        frequency = frequency_;
    }
    std::unique_ptr<MixerBuffer> copy(new MixerBuffer(mixer_, source_, bytes_, false));
    std::lock_guard guard(mixer_.lock_);
    copy->samples_ = std::move(samples);
    copy->frames_ = frames;
    copy->volume_ = volume;
    copy->pan_ = pan;
    copy->frequency_ = frequency;
    copy->updateGains();
    return copy;
}

void MixerBuffer::updateGains()
{
    const float gain = gainOfHundredthsDb(volume_);
    gainLeft_ = gain * (pan_ > 0 ? gainOfHundredthsDb(-pan_) : 1.0f);
    gainRight_ = gain * (pan_ < 0 ? gainOfHundredthsDb(pan_) : 1.0f);
}

template <int Bits, int Channels> void MixerBuffer::mixFrames(float* acc, int frames)
{
    constexpr int kBytes = Bits / 8;
    constexpr int kFrameBytes = kBytes * Channels;
    const std::uint8_t* data = samples_->data();
    const std::uint64_t step = (std::uint64_t(frequency_) << 16) / kMixFormat.samplesPerSec;
    const std::uint64_t end = std::uint64_t(frames_) << 16;
    const bool interpolate = step != kUnity;
    const auto fetch = [&](std::uint32_t frame, float& l, float& r) {
        const std::uint8_t* p = data + std::size_t(frame) * kFrameBytes;
        l = sampleAt(p, std::integral_constant<int, Bits>{});
        r = Channels == 2 ? sampleAt(p + kBytes, std::integral_constant<int, Bits>{}) : l;
    };
    for (int i = 0; i < frames; ++i) {
        const auto frame = static_cast<std::uint32_t>(cursor_ >> 16);
        float l;
        float r;
        fetch(frame, l, r);
        if (interpolate) {
            std::uint32_t next = frame + 1;
            if (next >= frames_)
                next = looping_ ? 0 : frame;
            float l2;
            float r2;
            fetch(next, l2, r2);
            const float t = static_cast<float>(cursor_ & 0xFFFF) / 65536.0f;
            l += (l2 - l) * t;
            r += (r2 - r) * t;
        }
        acc[2 * i] += l * gainLeft_;
        acc[2 * i + 1] += r * gainRight_;
        cursor_ += step;
        if (cursor_ >= end) {
            if (!looping_) {
                playing_ = false;
                cursor_ = 0;
                return;
            }
            cursor_ %= end;
        }
    }
}

void MixerBuffer::mixInto(float* acc, int frames)
{
    if (!playing_ || !samples_ || frames_ == 0)
        return;
    if (stored_.bitsPerSample == 16)
        stored_.channels == 2 ? mixFrames<16, 2>(acc, frames) : mixFrames<16, 1>(acc, frames);
    else
        stored_.channels == 2 ? mixFrames<8, 2>(acc, frames) : mixFrames<8, 1>(acc, frames);
}

// ---- Mixer

Mixer::Mixer() : accumulator_(std::size_t(kChunkFrames) * 2) { buffers_.reserve(256); }

Mixer::~Mixer() = default;

std::unique_ptr<MixerBuffer> Mixer::createStaticBuffer(const WaveFormat& format, std::uint32_t bytes)
{
    if (!wellFormed(format) || format.channels > 8 || bytes < format.blockAlign)
        return nullptr;
    return std::unique_ptr<MixerBuffer>(new MixerBuffer(*this, format, bytes, false));
}

std::unique_ptr<MixerBuffer> Mixer::createRingBuffer(const WaveFormat& format, std::uint32_t bytes)
{
    if (!wellFormed(format) || format.formatTag != kFormatPcm || format.channels > 2 ||
        (format.bitsPerSample != 8 && format.bitsPerSample != 16) || bytes < format.blockAlign)
        return nullptr;
    return std::unique_ptr<MixerBuffer>(new MixerBuffer(*this, format, bytes, true));
}

void Mixer::mix(std::int16_t* out, int frames)
{
    std::lock_guard guard(lock_);
    // Nothing sounding: the output is silence, without summing and converting it.
    const bool sounding = std::any_of(buffers_.begin(), buffers_.end(), [](const MixerBuffer* b) {
        return b->playing_ && b->samples_ && b->frames_ != 0;
    });
    if (!sounding) {
        std::fill(out, out + 2 * std::max(frames, 0), std::int16_t(0));
        return;
    }
    while (frames > 0) {
        const int n = std::min(frames, kChunkFrames);
        float* acc = accumulator_.data();
        std::fill(acc, acc + 2 * n, 0.0f);
        for (MixerBuffer* buffer : buffers_)
            buffer->mixInto(acc, n);
        for (int i = 0; i < 2 * n; ++i) {
            const float v = std::nearbyint(acc[i]);
            out[i] = static_cast<std::int16_t>(v >= 32767.0f ? 32767 : v <= -32768.0f ? -32768 : v);
        }
        out += 2 * n;
        frames -= n;
    }
}

int Mixer::bufferCount() const
{
    std::lock_guard guard(lock_);
    return static_cast<int>(buffers_.size());
}

} // namespace burrowix
