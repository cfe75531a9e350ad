#include "music_score.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace burrowix::mkdata {

namespace {

int pitchClass(char letter)
{
    static const int classes[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    return letter >= 'A' && letter <= 'G' ? classes[letter - 'A'] : -1;
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\n'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split(std::string_view s, char by)
{
    std::vector<std::string_view> out;
    for (;;) {
        const std::size_t at = s.find(by);
        out.push_back(trim(s.substr(0, at)));
        if (at == std::string_view::npos)
            return out;
        s.remove_prefix(at + 1);
    }
}

std::vector<std::string_view> words(std::string_view s)
{
    std::vector<std::string_view> out;
    for (std::string_view w : split(s, ' '))
        if (!w.empty())
            out.push_back(w);
    return out;
}

// "E5:4" -> ("E5", 4); a missing length keeps `length`.
std::string_view splitLength(std::string_view token, int& length)
{
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos)
        return token;
    length = std::atoi(std::string(token.substr(colon + 1)).c_str());
    return token.substr(0, colon);
}

} // namespace

int parseKey(std::string_view name)
{
    if (name.size() < 2)
        return -1;
    int pc = pitchClass(name[0]);
    if (pc < 0)
        return -1;
    std::size_t at = 1;
    if (name[at] == '#' || name[at] == 'b') {
        pc += name[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at + 1 != name.size() || name[at] < '0' || name[at] > '9')
        return -1;
    return 12 * (name[at] - '0' + 1) + pc;
}

Chord parseChord(std::string_view name)
{
    Chord chord;
    chord.intervals.clear();
    if (name.empty() || pitchClass(name[0]) < 0)
        return chord;
    chord.root = pitchClass(name[0]);
    name.remove_prefix(1);
    if (!name.empty() && (name[0] == '#' || name[0] == 'b')) {
        chord.root = (chord.root + (name[0] == '#' ? 1 : 11)) % 12;
        name.remove_prefix(1);
    }
    static const std::pair<std::string_view, std::vector<int>> qualities[] = {
        {"", {0, 4, 7}},           {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},     {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}},   {"sus4", {0, 5, 7}},      {"dim", {0, 3, 6}},       {"6", {0, 4, 7, 9}},
        {"m9", {0, 3, 7, 10, 14}}, {"add9", {0, 4, 7, 14}},
    };
    for (const auto& [text, intervals] : qualities)
        if (name == text)
            chord.intervals = intervals;
    return chord;
}

Part& SongWriter::part(int channel, int program, int volume, int pan, int reverb, int chorus)
{
    song_.parts.push_back({channel, program, volume, pan, reverb, chorus, {}});
    return song_.parts.back();
}

void SongWriter::chords(int firstBar, std::string_view sheet)
{
    int bar = firstBar;
    for (std::string_view text : split(sheet, '|')) {
        const std::vector<std::string_view> names = words(text);
        for (std::size_t i = 0; i < names.size(); ++i) {
            Chord chord = parseChord(names[i]);
            if (chord.intervals.empty())
                song_.faults.push_back("unknown chord " + std::string(names[i]));
            const int tick = bar * kTicksPerBar + static_cast<int>(i) * kTicksPerBar / static_cast<int>(names.size());
            sheet_.emplace_back(tick, std::move(chord));
        }
        ++bar;
    }
    std::stable_sort(sheet_.begin(), sheet_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

const Chord& SongWriter::chordAt(int tick) const
{
    static const Chord none;
    const Chord* found = &none;
    for (const auto& [at, chord] : sheet_)
        if (at <= tick)
            found = &chord;
    return *found;
}

std::vector<int> SongWriter::voiced(const Chord& chord, int floorKey, Voicing voicing) const
{
    std::vector<int> keys;
    int root = floorKey + ((chord.root - floorKey) % 12 + 12) % 12;
    if (voicing == Voicing::Power)
        return {root, root + 7, root + 12};
    // Close position: every tone at its lowest key at or above the floor.
    for (int interval : chord.intervals) {
        int key = floorKey + ((chord.root + interval - floorKey) % 12 + 12) % 12;
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

void SongWriter::melody(Part& part, int firstBar, std::string_view text, int velocity, double gate)
{
    int bar = firstBar, length = 4;
    for (std::string_view barText : split(text, '|')) {
        int at = 0;  // sixteenths into the bar
        for (std::string_view token : words(barText)) {
            const std::string_view name = splitLength(token, length);
            if (name != "r") {
                const int key = parseKey(name);
                if (key < 0)
                    song_.faults.push_back(song_.fileName + ": bad note " + std::string(token));
                else
                    part.notes.push_back({bar * kTicksPerBar + at * kTicksPerSixteenth,
                                          std::max(1, static_cast<int>(length * kTicksPerSixteenth * gate)), key,
                                          velocity});
            }
            at += length;
        }
        if (at != 16)
            song_.faults.push_back(song_.fileName + ": bar " + std::to_string(bar + 1) + " has " +
                                   std::to_string(at) + " sixteenths");
        ++bar;
    }
}

void SongWriter::bass(Part& part, int fromBar, int toBar, std::string_view pattern, int rootFloor, int velocity,
                      double gate)
{
    const std::vector<std::string_view> tokens = words(pattern);
    for (int bar = fromBar; bar < toBar; ++bar) {
        int at = 0, length = 4;
        for (std::string_view token : tokens) {
            const std::string_view degree = splitLength(token, length);
            const int tick = bar * kTicksPerBar + at * kTicksPerSixteenth;
            at += length;
            if (degree == "r")
                continue;
            const Chord& chord = chordAt(tick);
            const int root = rootFloor + ((chord.root - rootFloor) % 12 + 12) % 12;
            const auto tone = [&](std::size_t i, int fallback) {
                return i < chord.intervals.size() ? chord.intervals[i] : fallback;
            };
            int offset = 0;
            if (degree == "3")
                offset = tone(1, 4);
            else if (degree == "5")
                offset = tone(2, 7);
            else if (degree == "7")
                offset = tone(3, 10);
            else if (degree == "8")
                offset = 12;
            else if (degree == "-5")
                offset = tone(2, 7) - 12;
            part.notes.push_back({tick, std::max(1, static_cast<int>(length * kTicksPerSixteenth * gate)),
                                  root + offset, velocity});
        }
        if (at != 16)
            song_.faults.push_back(song_.fileName + ": bass pattern has " + std::to_string(at) + " sixteenths");
    }
}

namespace {

// Runs of a 16-step grid: each strike with the number of steps it lasts ('-' extends it).
struct Strike {
    int step, steps;
    char mark;
};

std::vector<Strike> strikes(std::string_view grid)
{
    std::vector<Strike> out;
    for (int i = 0; i < static_cast<int>(grid.size()); ++i) {
        if (grid[i] == '-' && !out.empty() && out.back().step + out.back().steps == i)
            ++out.back().steps;
        else if (grid[i] != '.' && grid[i] != '-' && grid[i] != ' ')
            out.push_back({i, 1, grid[i]});
    }
    return out;
}

} // namespace

void SongWriter::comp(Part& part, int fromBar, int toBar, std::string_view grid, int floorKey, int velocity,
                      Voicing voicing)
{
    if (grid.size() != 16)
        song_.faults.push_back(song_.fileName + ": comp grid of " + std::to_string(grid.size()) + " steps");
    for (int bar = fromBar; bar < toBar; ++bar)
        for (const Strike& s : strikes(grid)) {
            const int tick = bar * kTicksPerBar + s.step * kTicksPerSixteenth;
            const int v = s.mark == 'x' ? velocity : velocity * 3 / 4;
            for (int key : voiced(chordAt(tick), floorKey, voicing))
                part.notes.push_back({tick, s.steps * kTicksPerSixteenth * 9 / 10, key, v});
        }
}

void SongWriter::arpeggio(Part& part, int fromBar, int toBar, std::string_view order, int stepSixteenths,
                          int floorKey, int velocity)
{
    const int step = stepSixteenths * kTicksPerSixteenth;
    int i = 0;
    for (int tick = fromBar * kTicksPerBar; tick < toBar * kTicksPerBar; tick += step, ++i) {
        const std::vector<int> keys = voiced(chordAt(tick), floorKey, Voicing::Close);
        const int index = order[static_cast<std::size_t>(i) % order.size()] - '0';
        const int key = keys[static_cast<std::size_t>(index) % keys.size()] +
                        12 * (index / static_cast<int>(keys.size()));
        // Louder on the beat, so the figure has a pulse.
        const int v = tick % kTicksPerBeat == 0 ? velocity : velocity * 4 / 5;
        part.notes.push_back({tick, step, key, v});
    }
}

void SongWriter::pad(Part& part, int fromBar, int toBar, int floorKey, int velocity)
{
    const int from = fromBar * kTicksPerBar, to = toBar * kTicksPerBar;
    for (std::size_t i = 0; i < sheet_.size(); ++i) {
        const int start = std::max(from, sheet_[i].first);
        const int end = std::min(to, i + 1 < sheet_.size() ? sheet_[i + 1].first : song_.loopTicks());
        if (start >= end)
            continue;
        for (int key : voiced(sheet_[i].second, floorKey, Voicing::Close))
            part.notes.push_back({start, end - start - 1, key, velocity});
    }
}

void SongWriter::drum(Part& part, int fromBar, int toBar, int key, std::string_view grid, int velocity)
{
    if (grid.size() != 16)
        song_.faults.push_back(song_.fileName + ": drum grid of " + std::to_string(grid.size()) + " steps");
    for (int bar = fromBar; bar < toBar; ++bar)
        for (int i = 0; i < static_cast<int>(grid.size()); ++i) {
            const char c = grid[static_cast<std::size_t>(i)];
            if (c != 'x' && c != 'o' && c != '-')
                continue;
            const int v = c == 'x' ? velocity : c == 'o' ? velocity * 3 / 4 : velocity * 2 / 5;
            part.notes.push_back({bar * kTicksPerBar + i * kTicksPerSixteenth, kTicksPerSixteenth, key, v});
        }
}

void SongWriter::hit(Part& part, int bar, int sixteenth, int key, int velocity)
{
    part.notes.push_back({bar * kTicksPerBar + sixteenth * kTicksPerSixteenth, kTicksPerBeat, key, velocity});
}

} // namespace burrowix::mkdata
