#include "audio/stream_engine.hpp"

#include <pthread.h>
#include <strings.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "audio/audio_output.hpp"
#include "audio/sound_stream.hpp"

namespace burrowix {

StreamEngine streamEngine;

namespace {

void refillLoop()
{
    // Music must not starve behind the game's frames: ask for a real-time priority, keep what is
    // granted.
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);

    std::unique_lock guard(streamEngine.lock);
    while (!streamEngine.stopRefill) {
        for (std::size_t i = 0; i < streamEngine.streams.size(); ++i) {
            SoundStream* stream = streamEngine.streams[i];
            if (stream && stream->refilling)
                stream->refill();
        }
        streamEngine.refillWake.wait_for(guard, std::chrono::milliseconds(50),
                                         [] { return streamEngine.stopRefill; });
    }
}

void stopRefillThread()
{
    {
        std::lock_guard guard(streamEngine.lock);
        streamEngine.stopRefill = true;
    }
    streamEngine.refillWake.notify_all();
    if (streamEngine.refillThread.joinable())
        streamEngine.refillThread.join();
}

} // namespace

StreamEngine::~StreamEngine()
{
    stopRefillThread();
}

int toHundredthsDb(float v)
{
    const double a = std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0);
    const double d = 1.0 + 9.0 * std::log(a + 1.0) / (8.0 * std::log(2.0));
    return static_cast<int>(std::lround(10000.0 * std::log10(d))) - 10000;
}

float fromHundredthsDb(int h)
{
    const double x = (h + 10000) / 10000.0;
    const double y = std::pow(10.0, x) - 1.0;
    const double z = std::pow(2.0, 8.0 * y / 9.0) - 1.0;
    return static_cast<float>(std::lround(z) / 255.0);
}

int initStreamEngine(MainWindow* window)
{
    std::unique_lock guard(streamEngine.lock);
    streamEngine.window = window;
    if (!streamEngine.device) {
        if (!openAudioOutput()) {
            guard.unlock();
            shutdownStreamEngine();
            return 1;
        }
        streamEngine.device = 1;
    }
    if (!streamEngine.refillThread.joinable()) {
        streamEngine.stopRefill = false;
        streamEngine.refillThread = std::thread(refillLoop);
    }
    return 0;
}

void shutdownStreamEngine()
{
    stopRefillThread();
    std::lock_guard guard(streamEngine.lock);
    for (std::size_t i = streamEngine.streams.size(); i-- > 0;)
        delete streamEngine.streams[i];
    streamEngine.streams.clear();
    if (streamEngine.device) {
        closeAudioOutput();
        streamEngine.device = 0;
    }
    streamEngine.stopRefill = false;
}

void registerStream(SoundStream* stream)
{
    std::lock_guard guard(streamEngine.lock);
    auto& slots = streamEngine.streams;
    const auto empty = std::find(slots.begin(), slots.end(), nullptr);
    if (empty != slots.end()) {
        *empty = stream;
        return;
    }
    if (static_cast<int>(slots.size()) >= streamEngine.capacity) {
        streamEngine.capacity += streamEngine.capacity / 2;
        slots.reserve(static_cast<std::size_t>(streamEngine.capacity));
    }
    slots.push_back(stream);
}

void unregisterStream(SoundStream* stream)
{
    std::lock_guard guard(streamEngine.lock);
    std::replace(streamEngine.streams.begin(), streamEngine.streams.end(), stream, static_cast<SoundStream*>(nullptr));
}

int registeredStreamCount()
{
    std::lock_guard guard(streamEngine.lock);
    return static_cast<int>(std::count_if(streamEngine.streams.begin(), streamEngine.streams.end(),
                                          [](SoundStream* s) { return s != nullptr; }));
}

SoundStream* getStream(const std::string& name, int category)
{
    if (name.empty())
        return nullptr;
    std::lock_guard guard(streamEngine.lock);
    for (SoundStream* stream : streamEngine.streams) {
        if (stream && strcasecmp(stream->key.c_str(), name.c_str()) == 0)
            return stream->clone();
    }
    auto* stream = new BufferedSoundStream;
    stream->path = name;
    stream->key = name;
    stream->category = category & 3;
    stream->open();
    registerStream(stream);
    return stream;
}

void setCategoryVolume(float v, int category)
{
    std::lock_guard guard(streamEngine.lock);
    streamEngine.categoryVolume[category & 3] = v;
    for (std::size_t i = streamEngine.streams.size(); i-- > 0;) {
        if (SoundStream* stream = streamEngine.streams[i])
            stream->setVolume(stream->volume);
    }
}

float categoryVolumeOf(int category)
{
    std::lock_guard guard(streamEngine.lock);
    return streamEngine.categoryVolume[category & 3];
}

void stopCategory(int category)
{
    std::lock_guard guard(streamEngine.lock);
    for (SoundStream* stream : streamEngine.streams) {
        if (stream && stream->playing && stream->category == (category & 3))
            stream->stop();
    }
}

SoundStream* playOneShot(const std::string& name, int category)
{
    std::lock_guard guard(streamEngine.lock);
    for (SoundStream* stream : std::vector<SoundStream*>(streamEngine.streams)) {
        if (stream && stream->autoDelete && !stream->isPlaying())
            delete stream;
    }
    if (name.empty() || streamEngine.categoryVolume[category & 3] < 0.01f)
        return nullptr;
    SoundStream* stream = getStream(name, category);
    stream->autoDelete = true;
    stream->play(0);
    return stream;
}

} // namespace burrowix
