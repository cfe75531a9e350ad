#include "music_render.hpp"

#include "synth_kit.hpp"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace burrowix::mkdata {

namespace {

constexpr double kTailSeconds = 4.0;
constexpr int kBlockFrames = 64;

struct Event {
    long frame;
    int order;  // note-offs before note-ons at the same frame, so a repeated key re-strikes
    int channel, key, velocity;
};

struct Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    ~Synth()
    {
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

} // namespace

long tickFrame(const Song& song, int tick)
{
    return std::lround(tick * song.secondsPerTick() * kSampleRate);
}

void foldTail(std::vector<float>& stereo, long loopFrames)
{
    const std::size_t loop = static_cast<std::size_t>(loopFrames) * 2;
    if (loop == 0)
        return;
    for (std::size_t i = loop; i < stereo.size(); ++i)
        stereo[i % loop] += stereo[i];
    stereo.resize(loop, 0.0f);
}

std::vector<float> renderSong(const Song& song, const std::string& soundFont, std::string& error)
{
    Synth s;
    s.settings = new_fluid_settings();
    fluid_settings_setnum(s.settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setint(s.settings, "synth.polyphony", 256);
    fluid_settings_setint(s.settings, "synth.cpu-cores", 1);
    // Only the samples of the instruments in use are read, which keeps start-up short.
    fluid_settings_setint(s.settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setnum(s.settings, "synth.gain", 0.4);
    fluid_settings_setint(s.settings, "synth.reverb.active", 1);
    fluid_settings_setint(s.settings, "synth.chorus.active", 1);
    s.synth = new_fluid_synth(s.settings);
    if (!s.synth || fluid_synth_sfload(s.synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        error = "cannot load the soundfont " + soundFont;
        return {};
    }
    fluid_synth_set_reverb_group_roomsize(s.synth, -1, 0.55);
    fluid_synth_set_reverb_group_damp(s.synth, -1, 0.4);
    fluid_synth_set_reverb_group_width(s.synth, -1, 0.9);
    fluid_synth_set_reverb_group_level(s.synth, -1, 0.7);

    for (const Part& p : song.parts) {
        if (p.channel != kDrumChannel)
            fluid_synth_program_change(s.synth, p.channel, p.program);
        fluid_synth_cc(s.synth, p.channel, 7, p.volume);
        fluid_synth_cc(s.synth, p.channel, 10, p.pan);
        fluid_synth_cc(s.synth, p.channel, 91, p.reverb);
        fluid_synth_cc(s.synth, p.channel, 93, p.chorus);
    }
    std::vector<Event> events;
    for (const Part& p : song.parts)
        for (const Note& n : p.notes) {
            const long late = std::lround(n.late * kSampleRate);
            events.push_back({tickFrame(song, n.tick) + late, 1, p.channel, n.key, n.velocity});
            events.push_back({tickFrame(song, n.tick + n.length) + late, 0, p.channel, n.key, 0});
        }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.frame != b.frame ? a.frame < b.frame : a.order < b.order;
    });

    const long loopFrames = tickFrame(song, song.loopTicks());
    const long totalFrames = loopFrames + static_cast<long>(kTailSeconds * kSampleRate);
    std::vector<float> left(static_cast<std::size_t>(totalFrames)), right(left.size());
    std::size_t next = 0;
    for (long at = 0; at < totalFrames;) {
        while (next < events.size() && events[next].frame <= at) {
            const Event& e = events[next++];
            if (e.order == 0)
                fluid_synth_noteoff(s.synth, e.channel, e.key);
            else
                fluid_synth_noteon(s.synth, e.channel, e.key, std::clamp(e.velocity, 1, 127));
        }
        long until = std::min(totalFrames, at + kBlockFrames);
        if (next < events.size())
            until = std::min(until, std::max(at + 1, events[next].frame));
        const int n = static_cast<int>(until - at);
        fluid_synth_write_float(s.synth, n, left.data(), static_cast<int>(at), 1, right.data(), static_cast<int>(at), 1);
        at = until;
    }
    std::vector<float> stereo(static_cast<std::size_t>(totalFrames) * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        stereo[2 * i] = left[i];
        stereo[2 * i + 1] = right[i];
    }
    foldTail(stereo, loopFrames);
    return stereo;
}

} // namespace burrowix::mkdata
