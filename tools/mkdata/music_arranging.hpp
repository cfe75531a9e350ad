#pragma once
// What turns a written song into a played one: dynamics over the sections, players who are a little
// late and never strike two notes alike, passages moved to another key, and a check that the song
// does not simply repeat itself.
#include "music_score.hpp"

#include <cstdint>

namespace burrowix::mkdata {

// Velocities over [fromBar, toBar) are scaled by a factor that moves linearly from `from` to `to`
// across the span (a crescendo or a diminuendo; equal values hold a level).
struct DynamicSpan {
    int fromBar = 0, toBar = 0;
    double from = 1.0, to = 1.0;
};
void shapeDynamics(Song& song, const std::vector<DynamicSpan>& spans);

// Seeded, so the same song always comes out the same: every note gets a small velocity deviation and
// a slight accent on the strong beats; every part comes in a few milliseconds late by its own amount
// (the bass a little behind, the drums tight), with a small scatter per note.
void humanise(Song& song, std::uint32_t seed);

// Moves the notes of every part but the drums that start in [fromBar, toBar) by `semitones`.
void transpose(Song& song, int fromBar, int toBar, int semitones);
// The same for one part alone (a theme moved up an octave for a new instrument).
void transposePart(Part& part, int fromBar, int toBar, int semitones);

// Drum fills: the last beat of every `every`-th bar in [fromBar, toBar) is replaced by one of a few
// snare and tom figures, picked by a seeded scatter, so a groove never runs unchanged for long.
void addFills(Part& drums, int fromBar, int toBar, int every, int velocity, std::uint32_t seed);

// How many times the most repeated stretch of `bars` whole bars is heard in one pass through the
// song: keys and rhythm are compared, velocities and timing are not. `channel` -1 compares every
// part together, otherwise that part alone (stretches where it is silent do not count).
int mostRepeats(const Song& song, int bars, int channel = -1);

} // namespace burrowix::mkdata
