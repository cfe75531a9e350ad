#pragma once
// Levelling a music loop: brought to the tracks' common integrated loudness, with a look-ahead peak
// limiter that treats the buffer as a circle, so that gain changes near the end carry on into the
// start exactly as they will when the track loops.
#include <vector>

namespace burrowix::mkdata {

// The music sits under the effects: at the default volumes (music at 70 plays at about -4.25 dB,
// effects at 70 at -15 dB) even the quietest effects' loudest moments are at or above it.
inline constexpr double kMusicLoudness = -30.0;     // LUFS, integrated
inline constexpr double kDefaultMusicGainDb = -4.25;
inline constexpr double kMusicPeakCeiling = -1.0;   // dBTP, after encoding

// Interleaved stereo at 44100 Hz.
void masterLoop(std::vector<float>& stereo);

// How cleanly a loop joins: the largest step between the last frame and the first, against the mean
// step between neighbouring samples anywhere in the track.
struct LoopSeam {
    double step = 0;
    double typical = 0;
    double ratio() const { return typical > 0 ? step / typical : 0; }
};
LoopSeam measureLoopSeam(const std::vector<float>& samples, int channels);

} // namespace burrowix::mkdata
