#pragma once
// Music as note events: a song is a tempo, a length in 4/4 bars and a set of parts, each a General
// MIDI channel with its instrument, mix settings and notes. SongWriter fills parts from a chord sheet
// and compact text: melodies ("E5:4 G5:2 r:2 | ..."), bass degrees ("1:6 5:2 8:8"), comping and
// drum grids ("x...o...x.x.o..."), so a song reads like a lead sheet.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace burrowix::mkdata {

inline constexpr int kTicksPerBeat = 12;
inline constexpr int kTicksPerSixteenth = kTicksPerBeat / 4;
inline constexpr int kTicksPerBar = 4 * kTicksPerBeat;
inline constexpr int kDrumChannel = 9;

struct Note {
    int tick = 0;
    int length = 0;  // ticks the key is held
    int key = 60;    // MIDI key number
    int velocity = 100;
    double late = 0;  // seconds the player comes in after the grid (humanised timing)
};

struct Part {
    int channel = 0;
    int program = 0;  // General MIDI program (ignored on the drum channel)
    int volume = 100, pan = 64, reverb = 40, chorus = 0;
    std::vector<Note> notes;
};

struct Song {
    std::string fileName;  // "back1.ogg" ...
    double tempo = 120;    // beats per minute
    int bars = 0;          // the loop is exactly this many bars long
    std::deque<Part> parts;  // a deque, so that references to parts stay valid as parts are added
    std::vector<std::string> faults;  // composition mistakes found while writing (bars that do not add up)

    int loopTicks() const { return bars * kTicksPerBar; }
    double secondsPerTick() const { return 60.0 / (tempo * kTicksPerBeat); }
    double loopSeconds() const { return loopTicks() * secondsPerTick(); }
};

// A chord: the root's pitch class and the intervals of its tones above the root.
struct Chord {
    int root = 0;
    std::vector<int> intervals{0, 4, 7};
};

// "C", "F#m", "Bb7", "Am7", "Fmaj7", "Esus4", "Bdim", "C6", "Em9", "Cadd9"; nullopt-like empty
// intervals for text it does not know.
Chord parseChord(std::string_view name);
// MIDI key of a note name such as "C4" (60), "F#5", "Bb3"; -1 when it is not one.
int parseKey(std::string_view name);

enum class Voicing { Close, Power };

class SongWriter {
public:
    explicit SongWriter(Song& song) : song_(song) {}

    Part& part(int channel, int program, int volume, int pan, int reverb = 40, int chorus = 0);

    // The chord sheet from `firstBar` on: bars separated by '|', a bar holding one chord or two (each
    // then lasting half a bar), e.g. "Am | F | Dm G | E".
    void chords(int firstBar, std::string_view sheet);

    // A melody from `firstBar` on: notes "E5:4" (key and length in sixteenths; the length may be
    // left out to repeat the last one), rests "r:4", bars separated by '|' and each checked to add
    // up to 16 sixteenths. `gate` is the held share of each note.
    void melody(Part& part, int firstBar, std::string_view text, int velocity, double gate = 0.9);

    // One bar's bass pattern repeated over [fromBar, toBar): chord degrees 1, 3, 5, 7 and 8 (octave),
    // -5 (fifth below), with lengths in sixteenths, rests "r:2"; `rootFloor` is the lowest root key.
    void bass(Part& part, int fromBar, int toBar, std::string_view pattern, int rootFloor, int velocity,
              double gate = 0.85);

    // One bar's 16-step grid repeated over [fromBar, toBar): 'x' strikes the current chord (accent),
    // 'o' strikes it softer, '-' holds the previous strike, '.' is silence.
    void comp(Part& part, int fromBar, int toBar, std::string_view grid, int floorKey, int velocity,
              Voicing voicing = Voicing::Close);

    // Chord tones in the order of `order` (indexes into the voiced chord, wrapping to higher
    // octaves), one every `stepSixteenths`, over [fromBar, toBar).
    void arpeggio(Part& part, int fromBar, int toBar, std::string_view order, int stepSixteenths, int floorKey,
                  int velocity);

    // Every chord held for as long as it lasts, over [fromBar, toBar).
    void pad(Part& part, int fromBar, int toBar, int floorKey, int velocity);

    // A drum grid for one key, as `comp` but 'x' full, 'o' three quarters, '-' a ghost note.
    void drum(Part& part, int fromBar, int toBar, int key, std::string_view grid, int velocity);
    void hit(Part& part, int bar, int sixteenth, int key, int velocity);

private:
    const Chord& chordAt(int tick) const;
    std::vector<int> voiced(const Chord& chord, int floorKey, Voicing voicing) const;

    Song& song_;
    std::vector<std::pair<int, Chord>> sheet_;  // chord changes by tick, in order
};

// The four music tracks: "back1.ogg" (menus) to "back4.ogg" (hard levels).
std::vector<Song> composeSongs();

} // namespace burrowix::mkdata
