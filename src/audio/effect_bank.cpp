#include "audio/effect_bank.hpp"

#include <algorithm>
#include <cstring>

#include "audio/audio_output.hpp"
#include "audio/effect_device.hpp"
#include "audio/mixer.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"

namespace burrowix {

EffectBank effectBank;

EffectVoice::~EffectVoice()
{
    if (buffer)
        buffer->stop();
}

EffectBank::~EffectBank()
{
    if (soundDevice.device) {
        releaseAllEffects();
        stopAllVoices();
    }
}

void EffectBank::reset()
{
    voices.clear();
    entries.clear();
    muted = 0;
    volume = 100;
}

namespace {

// The WAV image of "fileName": the standard pack's member seen in place, else the file of that name
// on disk (a copy of the member when the pack cannot be mapped). False when there is none.
bool viewEffectFile(const std::string& fileName, EffectEntry& entry)
{
    if (standardPack) {
        const int index = standardPack->findMember(fileName);
        PackArchive::MemberView member = standardPack->viewMember(index);
        if (member.file) {
            entry.view = std::move(member.file);
            return parseWaveImage(member.data, member.size, entry.wave);
        }
    }
    std::string path = fileName;
    if (standardPack) {
        if (auto copy = standardPack->extractByName(fileName, true))
            path = *copy;
    }
    auto file = std::make_shared<MappedFile>();
    if (!file->map(path))
        return false;
    entry.view = std::move(file);
    return parseWaveImage(entry.view->data(), entry.view->size(), entry.wave);
}

} // namespace

int EffectBank::loadEffect(const std::string& name, const std::string& fileName)
{
    if (!soundDevice.device)
        return -1;
    int handle = -1;
    auto entry = std::make_unique<EffectEntry>();
    if (viewEffectFile(fileName, *entry)) {
        entry->name = name.substr(0, 99);
        entries.push_back(std::move(entry));
        handle = static_cast<int>(entries.size()) - 1;
    }
    // A view outlives a temporary copy.
    if (standardPack)
        standardPack->removeTempFiles();
    return handle;
}

int EffectBank::playEffect(int handle, int loop)
{
    if (!soundDevice.device || muted || handle < 0 || handle >= static_cast<int>(entries.size()))
        return -1;
    // Finished voices go here too, so a long level does not pile them up.
    reapVoices();
    const EffectEntry& entry = *entries[static_cast<std::size_t>(handle)];
    auto buffer = theMixer().createStaticBuffer(entry.wave.format, entry.wave.length);
    if (!buffer || !entry.wave.samples)
        return -1;
    LockedRegions regions;
    if (!buffer->lock(0, entry.wave.length, regions))
        return -1;
    std::memcpy(regions.first, entry.wave.samples, regions.firstBytes);
    if (regions.second)
        std::memcpy(regions.second, entry.wave.samples + regions.firstBytes, regions.secondBytes);
    buffer->unlock();

    auto voice = std::make_unique<EffectVoice>();
    voice->effect = handle;
    voice->buffer = std::move(buffer);
    voice->buffer->stop();
    voice->buffer->setPosition(0);
    voice->buffer->setVolume(voiceVolumeOf(volume));
    voice->loop = loop;
    voice->buffer->play(loop != 0);
    voices.push_back(std::move(voice));
    return static_cast<int>(voices.size()) - 1;
}

void EffectBank::reapVoices()
{
    if (!soundDevice.device || muted)
        return;
    for (std::size_t i = 0; i < voices.size();) {
        MixerBuffer& buffer = *voices[i]->buffer;
        unsigned status = buffer.status();
        if (status & BufferLost) {
            buffer.restore();
            status = buffer.status();
        }
        if (!(status & BufferPlaying) && !voices[i]->paused)
            voices.erase(voices.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

void EffectBank::stopAllVoices()
{
    if (!soundDevice.device || muted)
        return;
    voices.clear();
}

void EffectBank::releaseAllEffects()
{
    entries.clear();
}

void EffectBank::setEffectVolume(int v)
{
    v = std::clamp(v, 0, 100);
    if (v == volume)
        return;
    volume = v;
    for (auto& voice : voices)
        voice->buffer->setVolume(voiceVolumeOf(volume));
}

void EffectBank::muteEffects()
{
    stopAllVoices();
    muted = 1;
}

void EffectBank::unmuteEffects()
{
    muted = 0;
}

} // namespace burrowix
