// The mixer's cost with 32 effect voices and one music ring over 10 s of audio (refilled from an
// Ogg track as the refill thread does), the allocations made while mixing, and the speed of decoding
// an Ogg track. Usage: audio_bench [TRACK.ogg] (without a track a 30 s tone is encoded first).

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include <unistd.h>

#include "audio/mixer.hpp"
#include "audio/ogg_reader.hpp"
#include "support/sound_files.hpp"

using namespace burrowix;

namespace {

std::atomic<long> allocations{0};
std::atomic<bool> counting{false};

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

// Counting replacements of the global allocation functions; they pair malloc with free.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size)
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

int main(int argc, char** argv)
{
    std::string track = argc > 1 ? argv[1] : "";
    std::string madeTrack;
    if (track.empty()) {
        char path[] = "/tmp/audio_benchXXXXXX.ogg";
        const int fd = mkstemps(path, 4);
        if (fd < 0)
            return 1;
        close(fd);
        std::vector<std::int16_t> tone = test::sineTone(44100 * 30, 2, 44100, 220, 6000);
        const auto overtone = test::sineTone(44100 * 30, 2, 44100, 1375, 3000);
        for (std::size_t i = 0; i < tone.size(); ++i)
            tone[i] = static_cast<std::int16_t>(tone[i] + overtone[i]);
        if (!test::writeOgg(path, tone, 2, 44100))
            return 1;
        track = madeTrack = path;
    }

    // Decoding: the whole track, as the refill thread would read it.
    OggReader reader;
    if (reader.open(track) != 0) {
        std::fprintf(stderr, "cannot open %s\n", track.c_str());
        return 1;
    }
    const double trackSeconds = double(reader.dataLength) / reader.format.avgBytesPerSec;
    std::vector<std::uint8_t> chunk(8820);
    auto start = Clock::now();
    for (std::uint32_t done = 0; done < reader.dataLength;)
        done += reader.read(chunk.data(), static_cast<std::uint32_t>(chunk.size()), 0);
    const double decodeSeconds = secondsSince(start);
    std::printf("decode: %.1f s of audio in %.3f s = %.0f x real time (goal >= 100 x)\n", trackSeconds,
                decodeSeconds, trackSeconds / decodeSeconds);

    // Mixing: 32 one-second effects looping at different volumes, and a ring fed from the track.
    Mixer mixer;
    std::vector<std::unique_ptr<MixerBuffer>> voices;
    const auto effect = test::sineTone(44100, 2, 44100, 660, 3000);
    for (int i = 0; i < 32; ++i) {
        auto voice = mixer.createStaticBuffer(kMixFormat, static_cast<std::uint32_t>(effect.size() * 2));
        LockedRegions r;
        voice->lock(0, voice->bytes(), r);
        std::memcpy(r.first, effect.data(), r.firstBytes);
        voice->unlock();
        voice->setVolume(-100 * i);
        voice->play(true);
        voices.push_back(std::move(voice));
    }
    auto ring = mixer.createRingBuffer(reader.format, 131072);
    reader.rewind();
    LockedRegions r;
    ring->lock(0, 131072, r);
    reader.read(r.first, r.firstBytes, 1);
    ring->unlock();
    ring->play(true);

    constexpr int kCallbackFrames = 1024;
    constexpr int kTotalFrames = 441000; // 10 s
    std::vector<std::int16_t> out(kCallbackFrames * 2);
    double mixSeconds = 0;
    std::uint32_t written = 131072;
    long mixAllocations = 0;
    for (int frames = 0; frames < kTotalFrames; frames += kCallbackFrames) {
        counting = true;
        const auto t = Clock::now();
        mixer.mix(out.data(), kCallbackFrames);
        mixSeconds += secondsSince(t);
        counting = false;
        mixAllocations += allocations.exchange(0);
        // Every 50 ms of audio the played part of the ring is written again.
        if (frames % 2205 < kCallbackFrames) {
            const std::uint32_t p = ring->position();
            const std::uint32_t w = written % 131072;
            const std::uint32_t n = w <= p ? p - w : 131072 - w + p;
            if (n > 0 && ring->lock(w, n, r)) {
                reader.read(r.first, r.firstBytes, 1);
                if (r.second)
                    reader.read(r.second, r.secondBytes, 1);
                ring->unlock();
                written += n;
            }
        }
    }
    std::printf("mix: 32 voices + 1 ring, 10 s of audio in %.4f s = %.3f %% of one core (goal < 1 %%)\n",
                mixSeconds, mixSeconds / 10.0 * 100.0);
    std::printf("mix: %ld allocations in the mixing calls (goal 0)\n", mixAllocations);
    if (!madeTrack.empty())
        std::remove(madeTrack.c_str());
    return 0;
}
