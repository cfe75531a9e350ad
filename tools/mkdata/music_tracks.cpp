// The game's four music tracks, written as lead sheets. Each ends on a bar that leads back into its
// first, so the track loops; tempo and density rise from the menus to the hard levels.
#include "music_score.hpp"

namespace burrowix::mkdata {

namespace {

// General MIDI programs and drum keys used below.
namespace gm {
constexpr int piano = 0, clavinet = 7, vibraphone = 11, marimba = 12, organ = 16, overdrive = 29,
              acousticBass = 32, pickBass = 34, synthBass = 38, strings = 48, slowStrings = 49,
              synthStrings = 50, pizzicato = 45, harp = 46, brass = 61, synthBrass = 62, tuba = 58,
              clarinet = 71, flute = 73, squareLead = 80, sawLead = 81, warmPad = 89;
constexpr int kick = 36, sideStick = 37, snare = 38, clap = 39, lowTom = 45, midTom = 47, highTom = 50,
              closedHat = 42, pedalHat = 44, openHat = 46, crash = 49, ride = 51, rideBell = 53,
              tambourine = 54, cabasa = 69, maracas = 70;
} // namespace gm

// "back1": the menus. A calm, curious E-minor tune at a walking pace: a harp figure and a warm pad,
// the vibraphone's theme, a flute answer in the middle section, brushes-like percussion.
Song menuTheme()
{
    Song song{"back1.ogg", 88, 32, {}, {}};
    SongWriter w(song);
    w.chords(0, "Em | C | Em | D");                                       // intro
    w.chords(4, "Em | C | G | D | Em | C | Am | B7");                     // A
    w.chords(12, "C | D | Bm | Em | Am | D | G | B7");                    // B
    w.chords(20, "Em | C | G | D | Em | C | Am | B7");                    // A again
    w.chords(28, "Em | C | Am | B7");                                     // way back to the start

    Part& vibes = w.part(0, gm::vibraphone, 100, 52, 60);
    Part& flute = w.part(1, gm::flute, 84, 76, 60);
    Part& harp = w.part(2, gm::harp, 80, 40, 50);
    Part& pad = w.part(3, gm::warmPad, 70, 64, 70, 30);
    Part& bass = w.part(4, gm::acousticBass, 104, 64, 20);
    Part& drums = w.part(kDrumChannel, 0, 80, 64, 30);

    const char* theme = "E5:4 G5:2 B5:2 A5:4 G5:2 F#5:2 | E5:6 D5:2 E5:8 | D5:4 B4:2 D5:2 G5:4 F#5:2 E5:2 |"
                        "F#5:8 r:4 A4:2 B4:2 | E5:4 G5:2 B5:2 C6:4 B5:2 A5:2 | G5:6 E5:2 C5:4 E5:4 |"
                        "A5:4 G5:2 F#5:2 E5:4 C5:4 | D#5:8 F#5:4 B4:4";
    w.melody(vibes, 4, theme, 96);
    w.melody(flute, 12,
             "G5:6 E5:2 G5:4 C6:4 | B5:4 A5:4 F#5:4 D5:4 | F#5:6 D5:2 B4:8 | E5:4 F#5:2 G5:2 B5:8 |"
             "C6:6 B5:2 A5:4 E5:4 | F#5:4 A5:4 D6:4 C6:2 B5:2 | B5:8 A5:2 G5:2 F#5:2 G5:2 | A5:4 F#5:4 D#5:6 B4:2",
             92);
    w.melody(vibes, 20, theme, 96);
    w.melody(flute, 20, "B4:16 | C5:16 | B4:16 | A4:16 | B4:16 | E5:16 | C5:16 | B4:8 A4:8", 70, 0.97);
    // The vibraphone's motif returns over the last bars to lead into the intro.
    w.melody(vibes, 28, "E5:4 G5:2 B5:2 A5:8 | r:16 | C5:4 E5:2 A5:2 G5:4 F#5:4 | D#5:8 r:8", 84);

    w.arpeggio(harp, 0, 32, "01231210", 2, 52, 72);
    w.pad(pad, 0, 32, 55, 52);
    w.bass(bass, 0, 4, "1:8 5:8", 40, 88);
    w.bass(bass, 4, 28, "1:6 1:2 5:4 8:4", 40, 92);
    w.bass(bass, 28, 32, "1:8 -5:8", 40, 88);

    w.drum(drums, 0, 32, gm::cabasa, "-.o.-.o.-.o.-.o.", 60);
    w.drum(drums, 4, 28, gm::kick, "x.........o.....", 82);
    w.drum(drums, 4, 28, gm::sideStick, "....x.......x...", 70);
    w.drum(drums, 12, 20, gm::rideBell, "o...o...o...o..-", 50);
    w.drum(drums, 28, 32, gm::kick, "x.......o.......", 70);
    w.hit(drums, 4, 0, gm::crash, 60);
    w.hit(drums, 20, 0, gm::crash, 60);
    return song;
}

// "back2": easy levels. A light, bouncy C-major digging tune: marimba on top, piano off-beats and an
// oom-pah tuba, a clarinet middle section, pizzicato answers in the repeat.
Song easyTheme()
{
    Song song{"back2.ogg", 116, 40, {}, {}};
    SongWriter w(song);
    w.chords(0, "C | F | C | G");
    w.chords(4, "C | Am | F | G | C | Am | Dm G | C");
    w.chords(12, "C | Am | F | G | C | Am | Dm G | C");
    w.chords(20, "F | G | Em | Am | Dm | E7 | F | G");
    w.chords(28, "C | Am | F | G | C | Am | Dm G | C");
    w.chords(36, "F | G | F G | G7");

    Part& marimba = w.part(0, gm::marimba, 104, 56, 40);
    Part& clarinet = w.part(1, gm::clarinet, 90, 72, 50);
    Part& piano = w.part(2, gm::piano, 78, 80, 40);
    Part& pizz = w.part(3, gm::pizzicato, 80, 44, 50);
    Part& tuba = w.part(4, gm::tuba, 100, 64, 25);
    Part& drums = w.part(kDrumChannel, 0, 86, 64, 25);

    const char* firstHalf = "E5:2 G5:2 r:2 G5:2 A5:2 G5:2 E5:2 C5:2 | A4:2 C5:2 r:2 E5:2 D5:4 C5:4 |"
                            "F5:2 A5:2 r:2 A5:2 C6:2 A5:2 F5:2 A5:2 | G5:6 F5:2 E5:4 D5:4 |";
    const std::string themeA = std::string(firstHalf) +
                               "E5:2 G5:2 r:2 G5:2 A5:2 G5:2 E5:2 G5:2 | C6:4 B5:2 A5:2 E5:4 r:4 |"
                               "F5:2 E5:2 D5:2 F5:2 B4:2 D5:2 G5:4 | C5:4 E5:2 G5:2 C6:4 r:4";
    const std::string themeB = std::string(firstHalf) +
                               "G5:2 E5:2 r:2 C5:2 D5:2 E5:2 G5:2 E5:2 | A5:6 G5:2 E5:4 C5:4 |"
                               "D5:2 F5:2 A5:2 F5:2 G5:2 B5:2 D6:4 | C6:6 G5:2 E5:2 D5:2 C5:4";
    w.arpeggio(marimba, 0, 4, "0120", 2, 60, 80);
    w.melody(marimba, 4, themeA, 100, 0.6);
    w.melody(marimba, 12, themeB, 100, 0.6);
    w.melody(clarinet, 20,
             "A5:6 G5:2 F5:4 C5:4 | D5:6 E5:2 F5:4 G5:4 | E5:6 D5:2 B4:4 G4:4 | A4:8 C5:4 E5:4 |"
             "F5:6 E5:2 D5:4 A4:4 | G#4:4 B4:4 D5:4 E5:4 | A5:8 G5:4 F5:4 | D5:4 G5:4 F5:4 D5:4",
             96);
    w.melody(marimba, 28, themeA, 100, 0.6);
    w.melody(clarinet, 28, "E5:16 | C5:16 | C5:16 | B4:16 | E5:16 | C5:16 | A4:8 B4:8 | C5:8 G4:8", 72, 0.95);
    w.melody(marimba, 36,
             "A5:2 C6:2 r:4 A5:2 C6:2 r:4 | B5:2 D6:2 r:4 B5:2 D6:2 r:4 |"
             "C6:2 A5:2 F5:2 A5:2 D6:2 B5:2 G5:2 B5:2 | G5:4 F5:4 D5:4 B4:4",
             100, 0.6);
    // Pizzicato answers in the gaps of the repeated theme.
    w.comp(pizz, 12, 20, "......o.......o.", 67, 80);
    w.arpeggio(pizz, 20, 28, "0213", 4, 55, 70);

    w.comp(piano, 0, 36, "..o...o...o...o.", 60, 80);
    w.comp(piano, 36, 40, "..o...o...o.o.o.", 60, 84);
    w.bass(tuba, 0, 40, "1:4 5:4 8:4 5:4", 36, 96, 0.6);

    w.drum(drums, 0, 40, gm::closedHat, "x.o.x.o.x.o.x.o.", 72);
    w.drum(drums, 0, 40, gm::kick, "x.......x.....o.", 96);
    w.drum(drums, 4, 40, gm::snare, "....x.......x...", 76);
    w.drum(drums, 20, 28, gm::tambourine, "....x.......x..o", 64);
    w.drum(drums, 39, 40, gm::snare, "..........o.x-x-", 70);
    w.hit(drums, 4, 0, gm::crash, 80);
    w.hit(drums, 20, 0, gm::crash, 80);
    w.hit(drums, 28, 0, gm::crash, 80);
    return song;
}

// "back3": medium levels. Busier and tenser, in A minor: a square lead over a staccato string
// ostinato and a synth bass, brass stabs in the middle section, a half-time bridge with clavinet.
Song mediumTheme()
{
    Song song{"back3.ogg", 128, 48, {}, {}};
    SongWriter w(song);
    w.chords(0, "Am | Am | F | E");
    w.chords(4, "Am | F | G | Em | Am | F | Dm | E");
    w.chords(12, "Am | F | G | Em | Am | F | Dm | E");
    w.chords(20, "F | G | Am | Am | F | G | E | E");
    w.chords(28, "Dm | Am | Dm | Am | F | G | E | E7");
    w.chords(36, "Am | F | G | Em | Am | F | Dm | E");
    w.chords(44, "Am | F | G | E");

    Part& lead = w.part(0, gm::squareLead, 80, 60, 40, 20);
    Part& strings = w.part(1, gm::strings, 88, 72, 50);
    Part& brass = w.part(2, gm::brass, 84, 50, 40);
    Part& clav = w.part(3, gm::clavinet, 74, 84, 30);
    Part& bass = w.part(4, gm::synthBass, 100, 64, 15);
    Part& slow = w.part(5, gm::slowStrings, 84, 64, 70);
    Part& drums = w.part(kDrumChannel, 0, 92, 64, 25);

    const std::string themeStart =
        "A4:2 C5:2 E5:2 A5:4 G5:2 E5:2 C5:2 | F5:4 E5:2 F5:2 A5:4 C6:4 | B4:2 D5:2 G5:2 B5:4 A5:2 G5:2 D5:2 |"
        "E5:8 r:4 B4:2 D5:2 | E5:2 A5:2 C6:2 B5:2 A5:2 G5:2 A5:4 | C6:6 A5:2 F5:4 A5:4 |"
        "D5:2 F5:2 A5:2 D6:2 C6:2 A5:2 F5:2 D5:2 |";
    w.melody(lead, 4, themeStart + "E5:4 G#5:4 B5:4 D6:4", 100, 0.8);
    w.melody(lead, 12, themeStart + "E6:8 D6:2 B5:2 G#5:2 E5:2", 100, 0.8);
    w.melody(lead, 20,
             "A5:8 G5:4 F5:4 | G5:8 F5:4 D5:4 | E5:12 C5:2 D5:2 | E5:4 A5:4 C6:4 E6:4 |"
             "F6:8 E6:4 C6:4 | D6:8 B5:4 G5:4 | G#5:8 B5:4 E6:4 | D6:4 B5:4 G#5:4 E5:4",
             96, 0.9);
    w.melody(lead, 36, themeStart + "E5:4 G#5:4 B5:4 D6:4", 100, 0.8);
    w.melody(lead, 44, "A5:4 E5:4 C5:4 E5:4 | F5:4 A5:4 C6:4 A5:4 | G5:4 B5:4 D6:4 B5:4 | G#5:4 E5:4 B4:4 G#4:4",
             90, 0.7);
    // The bridge's slow tune over held strings.
    w.melody(slow, 28, "F5:16 | E5:16 | F5:8 A5:8 | E5:16 | A5:8 C6:8 | B5:8 D6:8 | G#5:16 | B5:8 D6:8", 90, 0.98);

    w.arpeggio(strings, 0, 28, "0120", 1, 57, 76);
    w.arpeggio(strings, 36, 48, "0120", 1, 57, 76);
    w.comp(brass, 20, 28, "x-....x-....x-..", 60, 92);
    w.comp(clav, 28, 44, "x.o.x.o.x.o.x.ox", 57, 76);
    w.pad(slow, 20, 28, 52, 60);

    w.bass(bass, 0, 28, "1:2 1:2 8:2 1:2 1:2 8:2 5:2 8:2", 33, 100, 0.7);
    w.bass(bass, 28, 36, "1:6 1:2 5:4 8:4", 33, 100, 0.9);
    w.bass(bass, 36, 48, "1:2 1:2 8:2 1:2 1:2 8:2 5:2 8:2", 33, 100, 0.7);

    w.drum(drums, 0, 28, gm::closedHat, "x-o-x-o-x-o-x-o-", 74);
    w.drum(drums, 0, 28, gm::kick, "x.....x.x.......", 100);
    w.drum(drums, 4, 28, gm::snare, "....x.......x..o", 90);
    w.drum(drums, 4, 28, gm::openHat, "..............o.", 60);
    w.drum(drums, 28, 36, gm::kick, "x.........x.....", 96);
    w.drum(drums, 28, 36, gm::snare, "........x.......", 90);
    w.drum(drums, 28, 36, gm::ride, "x...o...x...o...", 66);
    w.drum(drums, 35, 36, gm::midTom, "........x.x.o.o.", 86);
    w.drum(drums, 36, 48, gm::closedHat, "x-o-x-o-x-o-x-o-", 74);
    w.drum(drums, 36, 48, gm::kick, "x.....x.x.......", 100);
    w.drum(drums, 36, 48, gm::snare, "....x.......x..o", 90);
    w.drum(drums, 47, 48, gm::lowTom, "..........x.x.o.", 80);
    for (int bar : {4, 12, 20, 28, 36})
        w.hit(drums, bar, 0, gm::crash, 88);
    return song;
}

// "back4": hard levels. Fast and driving in D minor: overdriven power chords, a picked bass in
// eighths, a sawtooth lead, synth strings in the breakdown that climbs back to the chorus.
Song hardTheme()
{
    Song song{"back4.ogg", 152, 56, {}, {}};
    SongWriter w(song);
    w.chords(0, "Dm | C | Bb | A");
    w.chords(4, "Dm | Dm | Bb | C | Dm | Dm | Bb | A");
    w.chords(12, "Dm | Dm | Bb | C | Dm | Dm | Bb | A");
    w.chords(20, "Bb | C | Dm | Dm | Bb | C | A | A");
    w.chords(28, "Dm | Dm | Bb | C | Dm | Dm | Bb | A");
    w.chords(36, "Gm | Gm | Dm | Dm | Bb | C | A | A");
    w.chords(44, "Bb | C | Dm | Dm | Bb | C | A | A");
    w.chords(52, "Dm | C | Bb | A");

    Part& lead = w.part(0, gm::sawLead, 74, 60, 35, 30);
    Part& guitar = w.part(1, gm::overdrive, 76, 44, 25);
    Part& guitar2 = w.part(2, gm::overdrive, 72, 84, 25);
    Part& pad = w.part(3, gm::synthStrings, 80, 64, 60);
    Part& stabs = w.part(4, gm::synthBrass, 80, 64, 40);
    Part& bass = w.part(5, gm::pickBass, 104, 64, 10);
    Part& drums = w.part(kDrumChannel, 0, 100, 64, 20);

    const std::string verse =
        "D5:2 D5:2 F5:2 A5:4 G5:2 F5:2 E5:2 | F5:4 E5:2 D5:2 A4:8 | Bb4:2 D5:2 F5:2 Bb5:4 A5:2 G5:2 F5:2 |"
        "G5:4 E5:4 C5:4 E5:4 | D5:2 D5:2 F5:2 A5:4 C6:2 A5:2 F5:2 | D6:6 C6:2 A5:4 F5:4 |"
        "G5:2 F5:2 D5:2 Bb4:2 G5:4 F5:4 | E5:6 C#5:2 A4:4 E5:4";
    const char* chorus = "F5:8 Bb5:8 | A5:4 G5:4 E5:4 C5:4 | F5:6 E5:2 D5:8 | A5:4 D6:4 C6:4 A5:4 |"
                         "Bb5:8 A5:4 G5:4 | E6:8 D6:4 C6:4 | C#6:8 E6:8 | A5:4 G5:4 E5:4 C#5:4";
    w.melody(lead, 4, verse, 100, 0.85);
    w.melody(lead, 12, verse, 100, 0.85);
    w.melody(lead, 20, chorus, 104, 0.92);
    w.melody(lead, 28, verse, 100, 0.85);
    w.melody(lead, 40,
             "Bb4:2 D5:2 F5:2 Bb5:2 D6:2 Bb5:2 F5:2 D5:2 | C5:2 E5:2 G5:2 C6:2 E6:2 C6:2 G5:2 E5:2 |"
             "A4:2 C#5:2 E5:2 A5:2 C#6:2 E6:2 A6:4 | G6:4 E6:4 C#6:4 A5:4",
             96, 0.8);
    w.melody(lead, 44, chorus, 104, 0.92);
    w.melody(lead, 52, "D5:2 F5:2 A5:2 D6:2 r:8 | C5:2 E5:2 G5:2 C6:2 r:8 | Bb4:2 D5:2 F5:2 Bb5:2 r:8 |"
                       "A4:2 C#5:2 E5:2 A5:2 C#6:4 E6:4", 96, 0.8);

    w.comp(guitar, 0, 36, "x-x-x-x-x-x-x-x-", 38, 92, Voicing::Power);
    w.comp(guitar2, 20, 28, "x.....x.....x...", 50, 86, Voicing::Power);
    w.comp(guitar, 44, 56, "x-x-x-x-x-x-x-x-", 38, 92, Voicing::Power);
    w.comp(guitar2, 44, 52, "x.....x.....x...", 50, 86, Voicing::Power);
    w.pad(pad, 20, 28, 57, 70);
    w.pad(pad, 36, 52, 57, 76);
    w.comp(stabs, 12, 20, "x-....x.....x.x.", 62, 84);
    w.comp(stabs, 28, 36, "x-....x.....x.x.", 62, 84);

    w.bass(bass, 0, 36, "1:2 1:2 1:2 1:2 1:2 1:2 8:2 1:2", 38, 104, 0.8);
    w.bass(bass, 36, 40, "1:8 5:8", 38, 100, 0.95);
    w.bass(bass, 40, 56, "1:2 1:2 1:2 1:2 1:2 1:2 8:2 1:2", 38, 104, 0.8);

    w.drum(drums, 0, 36, gm::closedHat, "x.o.x.o.x.o.x.o.", 80);
    w.drum(drums, 0, 36, gm::kick, "x.....x.x.....x.", 108);
    w.drum(drums, 4, 36, gm::snare, "....x.......x...", 100);
    w.drum(drums, 36, 40, gm::kick, "x.......x.......", 96);
    w.drum(drums, 36, 40, gm::ride, "x.o.x.o.x.o.x.o.", 66);
    w.drum(drums, 40, 44, gm::kick, "x...x...x...x...", 104);
    w.drum(drums, 40, 44, gm::snare, "....x.......x.o.", 92);
    w.drum(drums, 43, 44, gm::snare, "x.x.x.x.xoxoxxxx", 92);
    w.drum(drums, 44, 56, gm::openHat, "x...o...x...o...", 70);
    w.drum(drums, 44, 56, gm::kick, "x.....x.x.....x.", 108);
    w.drum(drums, 44, 56, gm::snare, "....x.......x...", 100);
    w.drum(drums, 19, 20, gm::highTom, "........x.x.....", 96);
    w.drum(drums, 19, 20, gm::lowTom, "............x.x.", 96);
    w.drum(drums, 55, 56, gm::midTom, "........x.x.x.x.", 96);
    for (int bar : {4, 12, 20, 28, 36, 44})
        w.hit(drums, bar, 0, gm::crash, 100);
    return song;
}

} // namespace

std::vector<Song> composeSongs() { return {menuTheme(), easyTheme(), mediumTheme(), hardTheme()}; }

} // namespace burrowix::mkdata
