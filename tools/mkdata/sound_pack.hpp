#pragma once
// The standard pack's sound members: the effects as WAV and the four music tracks as Ogg Vorbis,
// with an optional level report and spectrograms for reviewing them.
#include "platform/archive/pack_writer.hpp"

#include <string>
#include <vector>

namespace burrowix::mkdata {

struct SoundOptions {
    std::string soundFont;        // General MIDI soundfont the music is rendered with
    std::string spectrogramDir;   // empty: no spectrograms
    bool report = false;          // print the level report to stdout
};

// The music's soundfont licence, shipped beside the game.
inline constexpr const char* kSoundFontLicenceFile = "music-soundfont-MIT.txt";
bool soundFontLicence(const std::string& copyrightPath, std::string& text, std::string& error);

bool makeSoundMembers(const SoundOptions& options, std::vector<PackEntry>& members, std::string& error);

} // namespace burrowix::mkdata
