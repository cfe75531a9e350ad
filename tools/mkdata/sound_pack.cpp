#include "sound_pack.hpp"

#include "loudness.hpp"
#include "music_mastering.hpp"
#include "music_render.hpp"
#include "music_score.hpp"
#include "ogg_vorbis.hpp"
#include "sound_effects.hpp"
#include "spectrogram.hpp"
#include "wav_writer.hpp"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace burrowix::mkdata {

namespace {

std::string formatLevels(const std::string& name, const SoundLevels& l)
{
    char line[160];
    std::snprintf(line, sizeof line, "%-20s %7.2f %9.1f %9.1f %9.1f %7.1f %+9.5f", name.c_str(), l.seconds,
                  l.integrated, l.shortTermMax, l.momentaryMax, l.truePeak, l.dcOffset);
    return line;
}

bool spectrogram(const SoundOptions& options, const std::string& name, const std::vector<float>& samples,
                 int channels, std::string& error)
{
    if (options.spectrogramDir.empty())
        return true;
    const auto path = std::filesystem::path(options.spectrogramDir) / ("sound-" + name + ".png");
    if (writeSpectrogram(samples, channels, path.string()))
        return true;
    error = "cannot write " + path.string();
    return false;
}

struct Track {
    std::vector<float> stereo;     // the mastered loop
    std::vector<std::uint8_t> ogg;
    std::string error;
};

// Vorbis VBR quality 0.4: about 128 kbit/s for stereo music.
constexpr float kVorbisQuality = 0.4f;

void renderTrack(const Song& song, const std::string& soundFont, Track& track)
{
    if (!song.faults.empty()) {
        track.error = song.fileName + ": " + song.faults.front();
        return;
    }
    track.stereo = renderSong(song, soundFont, track.error);
}

void encodeTrack(const Song& song, Track& track)
{
    if (track.stereo.empty())
        return;
    masterLoop(track.stereo);
    track.ogg = encodeOggVorbis(track.stereo, 2, kSampleRate, kVorbisQuality);
    if (track.ogg.empty())
        track.error = song.fileName + ": the Vorbis encoder failed";
}

} // namespace

bool soundFontLicence(const std::string& copyrightPath, std::string& text, std::string& error)
{
    std::ifstream in(copyrightPath, std::ios::binary);
    if (!in) {
        error = "cannot read " + copyrightPath;
        return false;
    }
    text = "The music tracks (back1.ogg to back4.ogg in standart.pak) were rendered with the General MIDI\n"
           "soundfont of the Debian package musescore-general-soundfont-small, whose copyright and licence\n"
           "follow.\n\n" +
           std::string(std::istreambuf_iterator<char>(in), {});
    return true;
}

bool makeSoundMembers(const SoundOptions& options, std::vector<PackEntry>& members, std::string& error)
{
    if (options.report)
        std::printf("%-20s %7s %9s %9s %9s %7s %9s   %s\n", "sound", "seconds", "int LUFS", "short max",
                    "mom max", "peak dB", "dc", "250 Hz hp, tier / seam");
    for (const SoundEffect& e : makeSoundEffects()) {
        members.push_back({e.fileName, encodeWav(e.samples)});
        if (options.report)
            std::printf("%s   hp %6.1f  %s\n", formatLevels(e.fileName, measureLevels(e.samples, 1)).c_str(),
                        highPassedMomentaryMax(e.samples), tierName(e.tier));
        if (!spectrogram(options, e.fileName, e.samples, 1, error))
            return false;
    }

    // The synthesizer renders one track at a time: rendered side by side, a track now and then came
    // out different from one run to the next. Mastering and encoding are independent per track and
    // run side by side.
    const std::vector<Song> songs = composeSongs();
    std::vector<Track> tracks(songs.size());
    for (std::size_t i = 0; i < songs.size(); ++i)
        renderTrack(songs[i], options.soundFont, tracks[i]);
    {
        std::vector<std::jthread> workers;
        for (std::size_t i = 0; i < songs.size(); ++i)
            workers.emplace_back(encodeTrack, std::cref(songs[i]), std::ref(tracks[i]));
    }
    for (std::size_t i = 0; i < songs.size(); ++i) {
        Track& t = tracks[i];
        if (!t.error.empty()) {
            error = t.error;
            return false;
        }
        if (options.report || !options.spectrogramDir.empty()) {
            // Measured as the game will hear it: decoded from the encoded bytes.
            const std::optional<DecodedSound> decoded = decodeOggVorbis(t.ogg);
            if (!decoded) {
                error = songs[i].fileName + ": the encoded track does not decode";
                return false;
            }
            if (options.report) {
                const LoopSeam seam = measureLoopSeam(decoded->samples, decoded->channels);
                const SoundLevels levels = measureLevels(decoded->samples, decoded->channels);
                std::printf("%s   range %.1f LU, seam %.4f (%.2f x typical)\n",
                            formatLevels(songs[i].fileName, levels).c_str(), levels.range, seam.step, seam.ratio());
            }
            if (!spectrogram(options, songs[i].fileName, decoded->samples, decoded->channels, error))
                return false;
        }
        members.push_back({songs[i].fileName, std::move(t.ogg)});
    }
    return true;
}

} // namespace burrowix::mkdata
