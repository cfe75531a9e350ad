#pragma once
// The bank of sound effects: WAV files kept as read-only memory views (of the standard pack itself for
// its members, of the file on disk otherwise), and the voices playing them.
// Every play makes a new buffer holding its own copy of the samples, so copies of one effect overlap
// and keep sounding when the bank's entries are released.

#include <memory>
#include <string>
#include <vector>

#include "audio/riff_wave.hpp"
#include "platform/system/mapped_file.hpp"

namespace burrowix {

class MixerBuffer;

struct EffectEntry {
    std::string name; // at most 99 characters
    std::shared_ptr<const MappedFile> view; // the WAV file, or the whole pack holding it
    WaveImage wave;   // points into `view`
};

class EffectVoice {
public:
    virtual ~EffectVoice();
    int effect = 0;
    int paused = 0;
    int loop = 0;
    std::unique_ptr<MixerBuffer> buffer;
};

class EffectBank {
public:
    virtual void reapVoices();
    virtual ~EffectBank();

    // Loads "fileName" from the standard pack (or the disk) as effect `name`: its handle, or -1. A pack
    // member is read in place, through the pack's mapping, without a temporary copy.
    int loadEffect(const std::string& name, const std::string& fileName);
    // Starts a new voice of the effect: its index in `voices`, or -1.
    int playEffect(int handle, int loop);
    void stopAllVoices();
    // Drops every entry; sounding voices play on from their own copies.
    void releaseAllEffects();
    // Clamps to 0..100; every voice then plays at (volume - 100) * 50 hundredths of a decibel.
    void setEffectVolume(int v);
    void muteEffects();
    void unmuteEffects();

    int muted = 0;
    int volume = 100;
    std::vector<std::unique_ptr<EffectEntry>> entries;
    std::vector<std::unique_ptr<EffectVoice>> voices;

    // Back to the state of a new bank (tests).
    void reset();
};

extern EffectBank effectBank;

// The buffer volume of a bank volume 0..100.
inline int voiceVolumeOf(int bankVolume) { return (bankVolume - 100) * 50; }

} // namespace burrowix
