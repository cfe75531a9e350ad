#include "music_arranging.hpp"

#include "synth_kit.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace burrowix::mkdata {

void shapeDynamics(Song& song, const std::vector<DynamicSpan>& spans)
{
    for (const DynamicSpan& span : spans) {
        const int from = span.fromBar * kTicksPerBar, to = span.toBar * kTicksPerBar;
        if (to <= from)
            continue;
        for (Part& p : song.parts)
            for (Note& n : p.notes) {
                if (n.tick < from || n.tick >= to)
                    continue;
                const double x = static_cast<double>(n.tick - from) / (to - from);
                const double factor = span.from + (span.to - span.from) * x;
                n.velocity = std::clamp(static_cast<int>(std::lround(n.velocity * factor)), 1, 127);
            }
    }
}

void humanise(Song& song, std::uint32_t seed)
{
    for (Part& p : song.parts) {
        Scatter r(seed * 131u + static_cast<std::uint32_t>(p.channel) * 7919u + 17u);
        const bool drums = p.channel == kDrumChannel;
        const bool low = !drums && !p.notes.empty() && p.notes.front().key < 48;
        // Where the player sits against the beat, seconds, and how far a single note strays.
        const double sits = drums ? 0.002 : low ? 0.009 : 0.005;
        const double strays = drums ? 0.004 : 0.008;
        for (Note& n : p.notes) {
            const int inBar = n.tick % kTicksPerBar;
            int accent = 0;
            if (inBar == 0)
                accent = 6;
            else if (inBar == 2 * kTicksPerBeat)
                accent = 3;
            else if (inBar % kTicksPerBeat != 0)
                accent = -3;
            // Sum of two uniforms: deviations cluster round zero as a player's do.
            const double spread = (r.next() + r.next() - 1.0) * 9.0;
            n.velocity = std::clamp(static_cast<int>(std::lround(n.velocity + accent + spread)), 1, 127);
            n.late = sits + strays * r.next();
        }
    }
}

void transposePart(Part& part, int fromBar, int toBar, int semitones)
{
    const int from = fromBar * kTicksPerBar, to = toBar * kTicksPerBar;
    for (Note& n : part.notes)
        if (n.tick >= from && n.tick < to)
            n.key = std::clamp(n.key + semitones, 0, 127);
}

void transpose(Song& song, int fromBar, int toBar, int semitones)
{
    for (Part& p : song.parts)
        if (p.channel != kDrumChannel)
            transposePart(p, fromBar, toBar, semitones);
}

void addFills(Part& drums, int fromBar, int toBar, int every, int velocity, std::uint32_t seed)
{
    // Keys (snare 38, toms 50, 47, 45, 43) per sixteenth of the last beat; 0 leaves the step empty.
    static constexpr int kFills[5][4] = {{38, 38, 38, 38}, {50, 47, 45, 43}, {38, 0, 50, 47}, {0, 38, 45, 38}, {50, 50, 47, 47}};
    Scatter r(seed);
    for (int bar = fromBar + every - 1; bar < toBar; bar += every) {
        const int beat = bar * kTicksPerBar + 3 * kTicksPerBeat;
        // Hats and the snare's backbeat give way to the fill; the kick stays.
        std::erase_if(drums.notes, [&](const Note& n) { return n.tick >= beat && n.tick < beat + kTicksPerBeat && n.key != 36; });
        const int* fill = kFills[static_cast<int>(r.next() * 5) % 5];
        for (int step = 0; step < 4; ++step)
            if (fill[step])
                drums.notes.push_back({beat + step * kTicksPerSixteenth, kTicksPerSixteenth, fill[step],
                                       std::clamp(velocity - 12 + 6 * step, 1, 127)});
    }
    std::stable_sort(drums.notes.begin(), drums.notes.end(), [](const Note& a, const Note& b) { return a.tick < b.tick; });
}

int mostRepeats(const Song& song, int bars, int channel)
{
    using Event = std::tuple<int, int, int, int>;  // channel, tick in the stretch, length, key
    std::vector<std::vector<Event>> byBar(static_cast<std::size_t>(std::max(0, song.bars)));
    for (const Part& p : song.parts) {
        if (channel >= 0 && p.channel != channel)
            continue;
        for (const Note& n : p.notes) {
            const int bar = n.tick / kTicksPerBar;
            if (bar >= 0 && bar < song.bars)
                byBar[static_cast<std::size_t>(bar)].emplace_back(p.channel, n.tick % kTicksPerBar, n.length, n.key);
        }
    }
    for (auto& events : byBar)
        std::sort(events.begin(), events.end());
    std::map<std::vector<std::vector<Event>>, int> seen;
    int most = 0;
    for (int start = 0; start + bars <= song.bars; ++start) {
        std::vector<std::vector<Event>> stretch(byBar.begin() + start, byBar.begin() + start + bars);
        if (std::all_of(stretch.begin(), stretch.end(), [](const auto& bar) { return bar.empty(); }))
            continue;
        most = std::max(most, ++seen[stretch]);
    }
    return most;
}

} // namespace burrowix::mkdata
