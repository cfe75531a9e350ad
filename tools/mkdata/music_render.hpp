#pragma once
// Plays a song's note events through FluidSynth with a General MIDI soundfont and returns one loop of
// stereo audio. The song is rendered a few seconds past its end and that tail (reverb, releases of the
// last bar) is added onto the start, so the loop point joins without a step or a gap.
#include "music_score.hpp"

#include <string>
#include <vector>

namespace burrowix::mkdata {

// Interleaved stereo at 44100 Hz, exactly the song's loop length; empty with `error` set when the
// soundfont cannot be loaded.
std::vector<float> renderSong(const Song& song, const std::string& soundFont, std::string& error);

// Sample frame at which a tick sounds.
long tickFrame(const Song& song, int tick);

// Adds everything after `loopFrames` onto the start (wrapping as often as needed) and cuts the
// buffer to `loopFrames` frames.
void foldTail(std::vector<float>& stereo, long loopFrames);

} // namespace burrowix::mkdata
