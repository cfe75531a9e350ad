#include "audio/sound_stream.hpp"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "audio/audio_output.hpp"
#include "audio/mixer.hpp"
#include "audio/stream_engine.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/system/message_box.hpp"

namespace burrowix {

namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

// The member of that name from the current pack, else the standard pack, else the name itself.
std::string resolveSoundFile(const std::string& name)
{
    for (PackArchive* archive : {currentPack, standardPack}) {
        if (!archive)
            continue;
        if (auto copy = archive->extractByName(name, true))
            return *copy;
    }
    return name;
}

} // namespace

BufferedSoundStream::~BufferedSoundStream()
{
    Guard guard(streamEngine.lock);
    releaseBuffer();
    reader.reset();
    unregisterStream(this);
}

void BufferedSoundStream::open()
{
    Guard guard(streamEngine.lock);
    if (path.empty() || !streamEngine.device)
        return;
    path = resolveSoundFile(path);
    reader = createReaderForFile(path);
    if (!reader || reader->open(path) != 0) {
        reader.reset();
        showMessageBox("sound file is bad", path.c_str(), streamEngine.window);
        return;
    }
    written = 0;
    if (reader->dataLength <= kLargestStaticStream && category != kMusicCategory) {
        buffer = theMixer().createStaticBuffer(reader->format, reader->dataLength);
        if (buffer)
            fill(0, reader->dataLength);
        reader.reset();
    } else {
        buffer = theMixer().createRingBuffer(reader->format, kRingBytes);
        if (buffer)
            fill(0, kRingBytes);
        else
            reader.reset();
    }
    setVolume(volume);
}

void BufferedSoundStream::fill(std::uint32_t offset, std::uint32_t count)
{
    LockedRegions regions;
    if (!buffer->lock(offset, count, regions))
        return;
    reader->read(regions.first, regions.firstBytes, looping);
    if (regions.second)
        reader->read(regions.second, regions.secondBytes, looping);
    buffer->unlock();
    written += count;
}

void BufferedSoundStream::releaseBuffer()
{
    Guard guard(streamEngine.lock);
    if (buffer)
        buffer->stop();
    buffer.reset();
}

void BufferedSoundStream::play(int loop)
{
    Guard guard(streamEngine.lock);
    looping = loop & 1;
    if (!buffer)
        return;
    if (buffer->status() & BufferLost)
        buffer->restore();
    buffer->play(looping || reader);
    playing = true;
    if (reader)
        refilling = true;
}

void BufferedSoundStream::pause()
{
    Guard guard(streamEngine.lock);
    refilling = false;
    if (!buffer)
        return;
    buffer->stop();
    playing = false;
}

void BufferedSoundStream::stop()
{
    Guard guard(streamEngine.lock);
    refilling = false;
    if (!buffer)
        return;
    buffer->stop();
    buffer->setPosition(0);
    if (reader) {
        // Pre-filled from the start, so the next play begins at once.
        written = 0;
        reader->rewind();
        fill(0, kRingBytes);
    }
    playing = false;
}

void BufferedSoundStream::setVolume(float v)
{
    Guard guard(streamEngine.lock);
    volume = v;
    if (buffer)
        buffer->setVolume(toHundredthsDb(v * streamEngine.categoryVolume[category & 3]));
}

void BufferedSoundStream::setFrequency(float ratio)
{
    Guard guard(streamEngine.lock);
    if (buffer)
        buffer->setFrequency(static_cast<std::uint32_t>(std::clamp(std::lround(44100.0 * ratio), 100L, 100000L)));
}

void BufferedSoundStream::setPan(float p)
{
    Guard guard(streamEngine.lock);
    pan = p;
    if (!buffer)
        return;
    const int side = p > 0 ? 1 : p < 0 ? -1 : 0;
    buffer->setPan(-side * toHundredthsDb(1.0f - std::fabs(p)));
}

SoundStream* BufferedSoundStream::clone()
{
    Guard guard(streamEngine.lock);
    auto* copy = new BufferedSoundStream;
    registerStream(copy);
    copy->path = path;
    copy->key = key;
    copy->category = category;
    copy->volume = volume;
    copy->looping = looping;
    copy->cloneFlag = cloneFlag;
    if (!reader && buffer) {
        copy->buffer = buffer->duplicate();
    } else if (reader) {
        // A temporary copy may be gone already; the key finds the member again.
        if (access(copy->path.c_str(), R_OK) != 0)
            copy->path = key;
        copy->open();
    }
    return copy;
}

float BufferedSoundStream::frequency()
{
    Guard guard(streamEngine.lock);
    return buffer ? static_cast<float>(buffer->frequency()) / 44100.0f : 0.0f;
}

float BufferedSoundStream::getVolume()
{
    Guard guard(streamEngine.lock);
    return buffer ? fromHundredthsDb(buffer->volume()) : volume;
}

float BufferedSoundStream::getPan()
{
    Guard guard(streamEngine.lock);
    if (!buffer)
        return pan;
    const int p = buffer->pan();
    const float magnitude = 1.0f - fromHundredthsDb(-std::abs(p));
    return p > 0 ? magnitude : -magnitude;
}

int BufferedSoundStream::isPlaying()
{
    Guard guard(streamEngine.lock);
    if (!buffer || !playing)
        return 0;
    playing = (buffer->status() & BufferPlaying) != 0;
    return playing;
}

void BufferedSoundStream::refill()
{
    Guard guard(streamEngine.lock);
    if (!buffer || !reader)
        return;
    const std::int64_t ring = kRingBytes;
    const std::int64_t p = buffer->position();
    const std::int64_t w = static_cast<std::int64_t>(written % kRingBytes);
    const std::int64_t n = w <= p ? p - w : ring - w + p;
    if (n <= 0)
        return;
    fill(static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(n));
    if (!looping) {
        const std::int64_t end = static_cast<std::int64_t>(written) - w + p - (w < p ? ring : 0);
        if (end >= static_cast<std::int64_t>(reader->dataLength))
            stop();
    }
}

} // namespace burrowix
