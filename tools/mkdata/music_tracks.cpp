// The game's four music tracks, written as lead sheets in sections. Each ends on a bar that leads back
// into its first, so the track loops; tempo and density rise from the menus to the hard levels, and
// within a track the sections rise and fall.
#include "common/asset_manifest.hpp"
#include "music_arranging.hpp"
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

// "back1": the menus. A calm, curious E-minor tune at a walking pace, about three and a half minutes:
// harp and pad open; the vibraphone states the theme, the flute takes it over with the vibraphone
// beneath; a middle section, a harp interlude, a new clarinet tune in G, the middle section again
// at full strength, the theme doubled in octaves, a quiet piano breakdown on fragments of it, the
// theme on the harp, and the vibraphone's motif leading back to the start.
Song menuTheme()
{
    Song song{assets::kMenuTrack, 88, 76, {}, {}};
    SongWriter w(song);
    const char* verse = "Em | C | G | D | Em | C | Am | B7";
    const char* middle = "C | D | Bm | Em | Am | D | G | B7";
    w.chords(0, "Em | C | Em | D");
    w.chords(4, verse);
    w.chords(12, verse);
    w.chords(20, middle);
    w.chords(28, "Am | Em | C | B7");
    w.chords(32, "G | Em | C | D | G | Em | Am7 | D");
    w.chords(40, middle);
    w.chords(48, verse);
    w.chords(56, "Em | C | Am | B7 | C | D | Em | B7");
    w.chords(64, verse);
    w.chords(72, "Em | C | Am | B7");

    Part& vibes = w.part(0, gm::vibraphone, 100, 52, 60);
    Part& flute = w.part(1, gm::flute, 84, 76, 60);
    Part& harp = w.part(2, gm::harp, 92, 40, 50);
    Part& pad = w.part(3, gm::warmPad, 84, 64, 70, 30);
    Part& bass = w.part(4, gm::acousticBass, 100, 64, 20);
    Part& clarinet = w.part(5, gm::clarinet, 86, 84, 55);
    Part& piano = w.part(6, gm::piano, 84, 58, 60);
    Part& strings = w.part(7, gm::slowStrings, 72, 70, 70);
    Part& drums = w.part(kDrumChannel, 0, 80, 64, 30);

    const std::string themeStart = "E5:4 G5:2 B5:2 A5:4 G5:2 F#5:2 | E5:6 D5:2 E5:8 | D5:4 B4:2 D5:2 G5:4 F#5:2 E5:2 |"
                                   "F#5:8 r:4 A4:2 B4:2 | E5:4 G5:2 B5:2 C6:4 B5:2 A5:2 | G5:6 E5:2 C5:4 E5:4 |";
    const std::string theme = themeStart + "A5:4 G5:2 F#5:2 E5:4 C5:4 | D#5:8 F#5:4 B4:4";
    const std::string themeRising = themeStart + "A5:4 B5:2 C6:2 E6:4 C6:4 | B5:8 A5:2 F#5:2 D#5:4";
    const std::string themeAnswered =
        "E5:4 G5:2 B5:2 A5:4 G5:2 F#5:2 | E5:6 D5:2 E5:4 B4:4 | D5:4 B4:2 D5:2 G5:4 F#5:2 E5:2 |"
        "F#5:4 A5:4 D6:4 C6:2 A5:2 | E5:4 G5:2 B5:2 C6:4 B5:2 A5:2 | G5:4 B5:4 E6:8 |"
        "C6:4 B5:2 A5:2 G5:2 F#5:2 E5:2 C5:2 | B4:8 D#5:4 F#5:4";
    const char* middleTune = "G5:6 E5:2 G5:4 C6:4 | B5:4 A5:4 F#5:4 D5:4 | F#5:6 D5:2 B4:8 | E5:4 F#5:2 G5:2 B5:8 |"
                             "C6:6 B5:2 A5:4 E5:4 | F#5:4 A5:4 D6:4 C6:2 B5:2 | B5:8 A5:2 G5:2 F#5:2 G5:2 | A5:4 F#5:4 D#5:6 B4:2";

    // Intro: harp and pad alone.
    w.arpeggio(harp, 0, 28, "01231210", 2, 52, 72);
    w.pad(pad, 0, 32, 55, 52);
    // The theme on the vibraphone.
    w.melody(vibes, 4, theme, 96);
    // The flute takes the theme, rising at its end; the vibraphone holds a line beneath.
    w.melody(flute, 12, themeRising, 90);
    w.melody(vibes, 12, "B4:8 C5:8 | B4:8 G4:8 | B4:8 D5:8 | D5:8 C5:4 A4:4 | B4:8 E5:8 | E5:8 C5:8 |"
                        "C5:8 A4:8 | B4:8 A4:8", 74, 0.95);
    // The flute's middle tune.
    w.melody(flute, 20, middleTune, 92);
    // Interlude: a running harp figure over the pad.
    w.arpeggio(harp, 28, 32, "01234321", 1, 52, 66);
    // A new tune on the clarinet in G over piano chords and strings.
    w.melody(clarinet, 32,
             "B4:4 D5:4 G5:6 F#5:2 | E5:4 G5:4 B4:8 | C5:4 E5:4 G5:4 A5:4 | F#5:12 r:4 |"
             "B5:4 A5:4 G5:6 E5:2 | G5:4 F#5:4 E5:8 | C5:4 E5:4 A5:4 G5:4 | F#5:8 D5:4 A4:4",
             92);
    w.comp(piano, 32, 40, "x.....o.x.....o.", 55, 70);
    w.pad(strings, 32, 48, 55, 60);
    // The middle tune on the vibraphone, the flute high above in long notes.
    w.melody(vibes, 40, middleTune, 100);
    w.melody(flute, 40, "E6:16 | F#6:16 | D6:16 | G6:8 E6:8 | E6:16 | F#6:8 D6:8 | D6:16 | D#6:8 F#6:8", 80, 0.97);
    w.arpeggio(harp, 40, 56, "02132431", 2, 52, 74);
    // The theme in octaves, vibraphone and flute, with an answered ending.
    w.melody(vibes, 48, themeAnswered, 100);
    w.melody(flute, 48, themeAnswered, 84);
    transposePart(vibes, 48, 56, -12);
    // Breakdown: fragments of the theme on the piano over the pad.
    w.melody(piano, 56, "E5:4 G5:2 B5:2 A5:8 | r:16 | C5:4 E5:2 A5:2 G5:8 | r:8 F#5:4 D#5:4 |"
                        "E5:8 G5:8 | A5:8 F#5:8 | G5:4 E5:4 B4:8 | B4:16", 78, 0.95);
    w.pad(pad, 56, 64, 55, 50);
    w.pad(pad, 64, 76, 50, 50);
    // The theme on the harp, the vibraphone rolling chords beneath, the clarinet low.
    w.melody(harp, 64, theme, 92, 0.7);
    transposePart(harp, 64, 72, 12);
    w.arpeggio(vibes, 64, 72, "0121", 4, 55, 62);
    w.melody(clarinet, 64, "G4:16 | E4:16 | D4:16 | F#4:16 | G4:16 | E4:16 | E4:16 | F#4:8 D#4:8", 70, 0.97);
    // The vibraphone's motif leads back into the intro.
    w.melody(vibes, 72, "E5:4 G5:2 B5:2 A5:8 | r:16 | C5:4 E5:2 A5:2 G5:4 F#5:4 | D#5:8 r:8", 84);
    w.arpeggio(harp, 72, 76, "01231210", 2, 52, 68);

    w.bass(bass, 0, 4, "1:8 5:8", 40, 88);
    w.bass(bass, 4, 12, "1:6 1:2 5:4 8:4", 40, 92);
    w.bass(bass, 12, 20, "1:4 3:4 5:4 8:4", 40, 90);
    w.bass(bass, 20, 28, "1:6 1:2 5:4 8:4", 40, 92);
    w.bass(bass, 28, 32, "1:16", 40, 80);
    w.bass(bass, 32, 40, "1:8 5:4 3:4", 40, 88);
    w.bass(bass, 40, 56, "1:4 5:2 8:2 1:4 5:4", 40, 96);
    w.bass(bass, 64, 72, "1:6 1:2 5:4 8:4", 40, 90);
    w.bass(bass, 72, 76, "1:8 -5:8", 40, 88);

    w.drum(drums, 2, 12, gm::cabasa, "-.o.-.o.-.o.-.o.", 56);
    w.drum(drums, 4, 28, gm::kick, "x.........o.....", 82);
    w.drum(drums, 4, 12, gm::sideStick, "....x.......x...", 70);
    w.drum(drums, 12, 28, gm::sideStick, "....x.......x..-", 72);
    w.drum(drums, 12, 20, gm::rideBell, "o...o...o...o..-", 50);
    w.drum(drums, 20, 28, gm::cabasa, "-.o.-.o.-.o.-.o.", 60);
    w.drum(drums, 32, 40, gm::cabasa, "o.-.o.-.o.-.o.-.", 54);
    w.drum(drums, 36, 40, gm::kick, "x.......o.......", 70);
    w.drum(drums, 40, 56, gm::kick, "x.........o.x...", 88);
    w.drum(drums, 40, 56, gm::snare, "....x.......x...", 66);
    w.drum(drums, 40, 56, gm::closedHat, "x.o.x.o.x.o.x.o.", 58);
    w.drum(drums, 55, 56, gm::lowTom, "........x.o.o.o.", 70);
    w.drum(drums, 64, 72, gm::cabasa, "-.o.-.o.-.o.-.o.", 56);
    w.drum(drums, 64, 72, gm::kick, "x.........o.....", 78);
    w.drum(drums, 72, 76, gm::kick, "x.......o.......", 70);
    for (int bar : {4, 20, 40, 48})
        w.hit(drums, bar, 0, gm::crash, 60);

    shapeDynamics(song, {{0, 4, 0.8, 0.86}, {4, 12, 0.86, 0.88}, {12, 20, 0.88, 0.9}, {20, 28, 0.92, 1.0},
                         {28, 32, 0.82, 0.82}, {32, 40, 0.8, 0.92}, {40, 56, 0.98, 1.0}, {56, 64, 0.78, 0.84},
                         {64, 72, 0.86, 0.88}, {72, 76, 0.84, 0.8}});
    humanise(song, 1);
    return song;
}

// "back2": easy levels. A light, bouncy C-major digging tune, about three minutes: marimba on top,
// piano off-beats and an oom-pah tuba; the theme twice, a clarinet middle section, the theme with
// the clarinet above, a quiet A-minor piano section, a clarinet and marimba duet that builds, the
// middle tune on the marimba, the theme a tone higher in D, a call-and-answer break, the theme on
// the clarinet back in C and a turnaround into the start.
Song easyTheme()
{
    Song song{assets::levelTrack(0), 116, 88, {}, {}};
    SongWriter w(song);
    const char* verse = "C | Am | F | G | C | Am | Dm G | C";
    const char* middle = "F | G | Em | Am | Dm | E7 | F | G";
    w.chords(0, "C | F | C | G");
    w.chords(4, verse);
    w.chords(12, verse);
    w.chords(20, middle);
    w.chords(28, verse);
    w.chords(36, "F | G | F G | G7");
    w.chords(40, "Am | F | C | G | Am | F | Dm | E");
    w.chords(48, "F | G | Em | Am | F | G | Am | G");
    w.chords(56, middle);
    w.chords(64, verse);  // moved up to D below
    w.chords(72, "D | G | D | A");
    w.chords(76, verse);
    w.chords(84, "F | G | F G | G7");

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
    const char* middleTune = "A5:6 G5:2 F5:4 C5:4 | D5:6 E5:2 F5:4 G5:4 | E5:6 D5:2 B4:4 G4:4 | A4:8 C5:4 E5:4 |"
                             "F5:6 E5:2 D5:4 A4:4 | G#4:4 B4:4 D5:4 E5:4 | A5:8 G5:4 F5:4 | D5:4 G5:4 F5:4 D5:4";
    const char* turnaround = "A5:2 C6:2 r:4 A5:2 C6:2 r:4 | B5:2 D6:2 r:4 B5:2 D6:2 r:4 |"
                             "C6:2 A5:2 F5:2 A5:2 D6:2 B5:2 G5:2 B5:2 | G5:4 F5:4 D5:4 B4:4";

    w.arpeggio(marimba, 0, 4, "0120", 2, 60, 80);
    w.melody(marimba, 4, themeA, 100, 0.6);
    w.melody(marimba, 12, themeB, 100, 0.6);
    w.comp(pizz, 12, 20, "......o.......o.", 67, 80);
    w.melody(clarinet, 20, middleTune, 96);
    w.arpeggio(pizz, 20, 28, "0213", 4, 55, 70);
    w.melody(marimba, 28, themeA, 100, 0.6);
    w.melody(clarinet, 28, "E5:16 | C5:16 | C5:16 | B4:16 | E5:16 | C5:16 | A4:8 B4:8 | C5:8 G4:8", 72, 0.95);
    w.melody(marimba, 36, turnaround, 100, 0.6);
    // A quiet A-minor section: the piano's tune, the tuba in long notes, pizzicato dots.
    w.melody(piano, 40,
             "A4:4 C5:4 E5:6 D5:2 | C5:4 A4:4 F4:8 | G4:4 C5:4 E5:4 G5:4 | G5:8 F5:4 D5:4 |"
             "E5:4 A5:4 C6:6 B5:2 | A5:4 F5:4 C5:8 | D5:4 F5:4 A5:4 F5:4 | E5:8 G#4:8",
             88);
    w.comp(pizz, 40, 48, "o.......o.......", 60, 64);
    // A duet that builds: the clarinet's new tune over a running marimba.
    w.melody(clarinet, 48,
             "C5:4 F5:4 A5:4 G5:4 | D5:4 G5:4 B5:4 A5:4 | G5:6 E5:2 B4:8 | C5:4 E5:4 A5:8 |"
             "A5:4 G5:4 F5:4 C5:4 | B4:4 D5:4 G5:4 B5:4 | C6:6 B5:2 A5:4 E5:4 | D5:8 B4:4 G4:4",
             96);
    w.arpeggio(marimba, 48, 56, "0123", 2, 60, 78);
    // The middle tune on the marimba, the clarinet below.
    w.melody(marimba, 56, middleTune, 100, 0.6);
    w.melody(clarinet, 56, "C5:16 | B4:16 | B4:16 | C5:16 | A4:16 | B4:16 | C5:8 A4:8 | B4:16", 74, 0.95);
    // The theme a tone higher, doubled an octave down by the clarinet.
    w.melody(marimba, 64, themeB, 104, 0.6);
    w.melody(clarinet, 64, themeB, 80, 0.8);
    transposePart(clarinet, 64, 72, -12);
    w.comp(pizz, 64, 72, "..o...o...o...o.", 67, 70);
    // Call and answer in D, then back home.
    w.melody(marimba, 72, "A5:2 F#5:2 r:4 A5:2 F#5:2 r:4 | B5:2 G5:2 r:4 B5:2 G5:2 r:4 |"
                          "A5:2 F#5:2 D5:2 F#5:2 A5:2 D6:2 r:4 | C#6:4 B5:4 A5:4 E5:4", 100, 0.6);
    w.melody(pizz, 72, "r:4 D5:2 F#5:2 r:4 D5:2 F#5:2 | r:4 D5:2 G5:2 r:4 D5:2 G5:2 |"
                       "r:12 A4:2 D5:2 | r:4 E5:4 C#5:4 A4:4", 80);
    w.melody(clarinet, 76, themeA, 96, 0.7);
    w.arpeggio(marimba, 76, 84, "2101", 2, 60, 72);
    w.melody(marimba, 84, "F5:2 A5:2 C6:2 A5:2 F5:2 A5:2 C6:4 | G5:2 B5:2 D6:2 B5:2 G5:2 B5:2 D6:4 |"
                          "C6:2 A5:2 F5:2 A5:2 D6:2 B5:2 G5:2 B5:2 | G5:4 F5:4 D5:4 B4:4", 100, 0.6);

    w.comp(piano, 0, 12, "..o...o...o...o.", 60, 80);
    w.comp(piano, 12, 20, "..o...o...o.o.o.", 60, 80);
    w.comp(piano, 20, 28, "..o-..o-..o-..o-", 60, 76);
    w.comp(piano, 28, 36, "x.o...o.x.o...o.", 60, 80);
    w.comp(piano, 36, 40, "..o...o...o.o.o.", 60, 84);
    w.comp(piano, 48, 56, "..o...o...o...o.", 60, 76);
    w.comp(piano, 56, 64, "x...o.o.x...o.o.", 60, 80);
    w.comp(piano, 64, 72, "..o...o...o.o.o.", 60, 84);
    w.comp(piano, 76, 88, "..o...o...o...o.", 60, 80);

    w.bass(tuba, 0, 12, "1:4 5:4 8:4 5:4", 36, 96, 0.6);
    w.bass(tuba, 12, 20, "1:4 5:4 1:4 5:4", 36, 96, 0.6);
    w.bass(tuba, 20, 28, "1:4 5:4 8:4 5:4", 36, 96, 0.6);
    w.bass(tuba, 28, 40, "1:4 3:4 5:4 3:4", 36, 96, 0.6);
    w.bass(tuba, 40, 48, "1:16", 36, 84, 0.95);
    w.bass(tuba, 48, 56, "1:6 5:2 8:4 5:4", 36, 96, 0.6);
    w.bass(tuba, 56, 64, "1:4 5:4 8:4 5:4", 36, 96, 0.6);
    w.bass(tuba, 64, 72, "1:4 5:4 8:4 -5:4", 36, 100, 0.6);
    w.bass(tuba, 72, 76, "1:4 r:4 1:4 r:4", 36, 96, 0.6);
    w.bass(tuba, 76, 88, "1:4 5:4 8:4 5:4", 36, 96, 0.6);

    w.drum(drums, 0, 40, gm::closedHat, "x.o.x.o.x.o.x.o.", 72);
    w.drum(drums, 0, 40, gm::kick, "x.......x.....o.", 96);
    w.drum(drums, 4, 40, gm::snare, "....x.......x...", 76);
    w.drum(drums, 20, 28, gm::tambourine, "....x.......x..o", 64);
    w.drum(drums, 40, 48, gm::kick, "x.......x.......", 80);
    w.drum(drums, 40, 48, gm::pedalHat, "..o...o...o...o.", 60);
    w.drum(drums, 48, 72, gm::closedHat, "x.oox.o.x.oox.o.", 72);
    w.drum(drums, 48, 72, gm::kick, "x.......x.x...o.", 96);
    w.drum(drums, 48, 72, gm::snare, "....x.......x...", 78);
    w.drum(drums, 56, 64, gm::tambourine, "..x...x...x...x.", 60);
    w.drum(drums, 72, 76, gm::kick, "x.......x.......", 96);
    w.drum(drums, 72, 76, gm::clap, "....x.......x...", 80);
    w.drum(drums, 76, 88, gm::closedHat, "x.o.x.o.x.o.x.o.", 72);
    w.drum(drums, 76, 88, gm::kick, "x.......x.....o.", 96);
    w.drum(drums, 76, 88, gm::snare, "....x.......x...", 76);
    addFills(drums, 4, 40, 4, 80, 21);
    addFills(drums, 48, 72, 4, 84, 22);
    addFills(drums, 76, 88, 4, 80, 23);
    for (int bar : {4, 20, 28, 48, 56, 64, 76})
        w.hit(drums, bar, 0, gm::crash, 80);

    // Every part but the drums moves up a tone for the theme in D.
    transpose(song, 64, 72, 2);
    shapeDynamics(song, {{0, 4, 0.8, 0.85}, {4, 20, 0.9, 0.92}, {20, 28, 0.85, 0.9}, {28, 40, 0.95, 1.0},
                         {40, 48, 0.55, 0.62}, {48, 56, 0.7, 0.95}, {56, 64, 0.95, 1.0}, {64, 72, 1.05, 1.08},
                         {72, 76, 0.75, 0.85}, {76, 88, 0.92, 0.88}});
    humanise(song, 2);
    return song;
}

// "back3": medium levels. Busier and tenser, in A minor, about three minutes: a square lead over a
// staccato string ostinato and a synth bass; the theme twice, brass stabs in the middle section, a
// half-time bridge with clavinet, the theme again, a hushed D-minor section, a riff that builds, the
// theme a tone higher, the middle tune on the brass, a second half-time bridge, the theme varied,
// and a falling figure that leads back to the start.
Song mediumTheme()
{
    Song song{assets::levelTrack(1), 128, 96, {}, {}};
    SongWriter w(song);
    const char* verse = "Am | F | G | Em | Am | F | Dm | E";
    const char* middle = "F | G | Am | Am | F | G | E | E";
    w.chords(0, "Am | Am | F | E");
    w.chords(4, verse);
    w.chords(12, verse);
    w.chords(20, middle);
    w.chords(28, "Dm | Am | Dm | Am | F | G | E | E7");
    w.chords(36, verse);
    w.chords(44, "Dm | Em | F | E | Dm | Em | F | E7");
    w.chords(52, "Am | G | F | E | Am | G | F | E");
    w.chords(60, verse);  // moved up to B minor below
    w.chords(68, middle);
    w.chords(76, "Dm | Am | Bb | F | Dm | Am | E | E7");
    w.chords(84, verse);
    w.chords(92, "Am | F | G | E");

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
    const char* middleTune = "A5:8 G5:4 F5:4 | G5:8 F5:4 D5:4 | E5:12 C5:2 D5:2 | E5:4 A5:4 C6:4 E6:4 |"
                             "F6:8 E6:4 C6:4 | D6:8 B5:4 G5:4 | G#5:8 B5:4 E6:4 | D6:4 B5:4 G#5:4 E5:4";
    w.melody(lead, 4, themeStart + "E5:4 G#5:4 B5:4 D6:4", 100, 0.8);
    w.melody(lead, 12, themeStart + "E6:8 D6:2 B5:2 G#5:2 E5:2", 100, 0.8);
    w.melody(lead, 20, middleTune, 96, 0.9);
    // The bridge's slow tune over held strings.
    w.melody(slow, 28, "F5:16 | E5:16 | F5:8 A5:8 | E5:16 | A5:8 C6:8 | B5:8 D6:8 | G#5:16 | B5:8 D6:8", 90, 0.98);
    w.melody(brass, 36, themeStart + "E5:4 G#5:4 B5:4 D6:4", 92, 0.7);
    w.melody(lead, 36, "A5:16 | A5:16 | G5:16 | G5:16 | A5:16 | A5:16 | F5:16 | G#5:16", 70, 0.95);
    // A hushed section: the brass softly on a new tune over plucked strings.
    w.melody(brass, 44,
             "D5:8 F5:4 A5:4 | G5:8 E5:4 B4:4 | A4:4 C5:4 F5:4 A5:4 | G#5:12 r:4 |"
             "D6:8 A5:4 F5:4 | E5:8 G5:4 B5:4 | A5:4 F5:4 C5:4 A4:4 | B4:4 D5:4 G#5:4 B5:4",
             76, 0.9);
    // A riff that builds.
    w.melody(lead, 52,
             "A5:2 E5:2 A5:2 B5:2 C6:4 B5:2 A5:2 | G5:2 D5:2 G5:2 A5:2 B5:4 A5:2 G5:2 |"
             "F5:2 C5:2 F5:2 G5:2 A5:4 G5:2 F5:2 | E5:2 G#5:2 B5:2 E6:2 D6:4 B5:4 |"
             "A5:2 E5:2 A5:2 B5:2 C6:4 E6:4 | D6:2 B5:2 G5:2 B5:2 D6:4 G5:4 |"
             "F5:4 E5:2 D5:2 C5:4 A4:4 | G#4:4 B4:4 E5:4 G#5:4",
             96, 0.8);
    // The theme a tone higher, brass stabs beneath.
    w.melody(lead, 60, themeStart + "E6:8 D6:2 B5:2 G#5:2 E5:2", 104, 0.8);
    w.comp(brass, 60, 68, "x-......x-....x.", 60, 88);
    // The middle tune on the brass, the lead in answers.
    w.melody(brass, 68, middleTune, 96, 0.85);
    w.melody(lead, 68, "r:12 C6:2 A5:2 | r:12 B5:2 G5:2 | r:12 A5:2 E5:2 | r:16 |"
                       "r:12 C6:2 A5:2 | r:12 B5:2 D6:2 | r:12 E6:2 B5:2 | r:16", 84, 0.8);
    // A second half-time bridge, the clavinet's tune over the slow strings.
    w.melody(clav, 76, "D5:4 F5:4 A5:6 G5:2 | E5:4 C5:4 A4:8 | Bb4:4 D5:4 F5:4 Bb5:4 | A5:12 r:4 |"
                       "F5:4 A5:4 D6:6 C6:2 | C6:4 A5:4 E5:8 | G#5:4 B5:4 E6:4 D6:4 | B5:8 G#5:8", 90, 0.7);
    w.pad(slow, 76, 84, 50, 70);
    // The theme varied: its rhythm broken up, its end turned upwards.
    w.melody(lead, 84,
             "A4:2 C5:2 E5:2 A5:2 r:2 A5:2 G5:2 E5:2 | F5:2 F5:2 E5:2 F5:2 A5:4 C6:4 |"
             "B4:2 D5:2 G5:2 B5:2 r:2 B5:2 A5:2 G5:2 | E5:4 B4:4 E5:4 G#5:4 |"
             "E5:2 A5:2 C6:2 E6:2 D6:2 C6:2 B5:2 A5:2 | C6:4 F6:4 E6:4 C6:4 |"
             "D6:2 C6:2 A5:2 F5:2 D5:2 F5:2 A5:2 D6:2 | E6:8 B5:4 G#5:4",
             100, 0.75);
    w.melody(lead, 92, "A5:4 E5:4 C5:4 E5:4 | F5:4 A5:4 C6:4 A5:4 | G5:4 B5:4 D6:4 B5:4 | G#5:4 E5:4 B4:4 G#4:4",
             90, 0.7);

    w.arpeggio(strings, 0, 28, "0120", 1, 57, 76);
    w.arpeggio(strings, 36, 44, "1020", 1, 57, 76);
    w.arpeggio(strings, 44, 52, "0121", 2, 57, 60);
    w.arpeggio(strings, 52, 68, "0120", 1, 57, 78);
    w.arpeggio(strings, 68, 76, "0210", 1, 57, 74);
    w.arpeggio(strings, 84, 96, "0210", 1, 57, 76);
    w.comp(brass, 20, 28, "x-....x-....x-..", 60, 92);
    w.comp(clav, 28, 36, "x.o.x.o.x.o.x.ox", 57, 76);
    w.comp(clav, 36, 44, "x.o...o.x.o...ox", 57, 72);
    w.comp(clav, 84, 92, "..o...o...o...o.", 57, 70);
    w.pad(slow, 20, 28, 52, 60);

    w.bass(bass, 0, 28, "1:2 1:2 8:2 1:2 1:2 8:2 5:2 8:2", 33, 100, 0.7);
    w.bass(bass, 28, 36, "1:6 1:2 5:4 8:4", 33, 100, 0.9);
    w.bass(bass, 36, 44, "1:2 1:2 8:2 1:2 1:2 8:2 3:2 5:2", 33, 100, 0.7);
    w.bass(bass, 44, 52, "1:8 5:8", 33, 84, 0.9);
    w.bass(bass, 52, 60, "1:2 8:2 1:2 8:2 1:2 8:2 5:2 3:2", 33, 96, 0.7);
    w.bass(bass, 60, 76, "1:2 1:2 8:2 1:2 1:2 8:2 5:2 8:2", 33, 100, 0.7);
    w.bass(bass, 76, 84, "1:6 1:2 5:4 8:4", 33, 96, 0.9);
    w.bass(bass, 84, 96, "1:2 1:2 8:2 1:2 5:2 1:2 8:2 5:2", 33, 100, 0.7);

    w.drum(drums, 0, 28, gm::closedHat, "x-o-x-o-x-o-x-o-", 74);
    w.drum(drums, 0, 28, gm::kick, "x.....x.x.......", 100);
    w.drum(drums, 4, 28, gm::snare, "....x.......x..o", 90);
    w.drum(drums, 4, 28, gm::openHat, "..............o.", 60);
    w.drum(drums, 28, 36, gm::kick, "x.........x.....", 96);
    w.drum(drums, 28, 36, gm::snare, "........x.......", 90);
    w.drum(drums, 28, 36, gm::ride, "x...o...x...o...", 66);
    w.drum(drums, 36, 44, gm::closedHat, "x-o-x-o-x-o-x-o-", 74);
    w.drum(drums, 36, 44, gm::kick, "x.....x.x.......", 100);
    w.drum(drums, 36, 44, gm::snare, "....x.......x..o", 90);
    w.drum(drums, 44, 52, gm::kick, "x.......x.......", 80);
    w.drum(drums, 44, 52, gm::closedHat, "..o...o...o...o.", 60);
    w.drum(drums, 52, 60, gm::kick, "x.....x.x.....x.", 96);
    w.drum(drums, 52, 60, gm::closedHat, "x-o-x-o-x-o-x-o-", 72);
    w.drum(drums, 54, 60, gm::snare, "....x.......x...", 86);
    w.drum(drums, 59, 60, gm::snare, "x.x.x.x.xoxoxxxx", 88);
    w.drum(drums, 60, 76, gm::closedHat, "x-o-x-o-x-o-x-o-", 76);
    w.drum(drums, 60, 76, gm::kick, "x.....x.x...x...", 102);
    w.drum(drums, 60, 76, gm::snare, "....x.......x..o", 92);
    w.drum(drums, 76, 84, gm::kick, "x.........x.....", 92);
    w.drum(drums, 76, 84, gm::snare, "........x.......", 86);
    w.drum(drums, 76, 84, gm::rideBell, "x...o...x...o...", 60);
    w.drum(drums, 84, 96, gm::closedHat, "x-o-x-o-x-o-x-o-", 74);
    w.drum(drums, 84, 96, gm::kick, "x.....x.x.......", 100);
    w.drum(drums, 84, 96, gm::snare, "....x.......x..o", 90);
    addFills(drums, 4, 28, 4, 90, 31);
    addFills(drums, 36, 44, 4, 90, 32);
    addFills(drums, 60, 76, 4, 94, 33);
    addFills(drums, 84, 96, 4, 90, 34);
    for (int bar : {4, 12, 20, 28, 36, 52, 60, 68, 84})
        w.hit(drums, bar, 0, gm::crash, 88);

    transpose(song, 60, 68, 2);
    shapeDynamics(song, {{0, 4, 0.85, 0.9}, {4, 20, 0.92, 0.95}, {20, 28, 1.0, 1.0}, {28, 36, 0.8, 0.85},
                         {36, 44, 0.95, 0.95}, {44, 52, 0.6, 0.65}, {52, 60, 0.7, 1.02}, {60, 76, 1.05, 1.05},
                         {76, 84, 0.78, 0.82}, {84, 96, 0.95, 0.9}});
    humanise(song, 3);
    return song;
}

// "back4": hard levels. Fast and driving in D minor, about three minutes: overdriven power chords, a
// picked bass in eighths, a sawtooth lead; verse, a varied verse with stabs, chorus, a guitar riff
// section, the breakdown that climbs back to the chorus, a half-time G-minor bridge, verse and chorus
// a tone higher, a lead solo, a hushed breakdown, a build on snare rolls, the last chorus varied and
// the intro figure leading back to the start.
Song hardTheme()
{
    Song song{assets::levelTrack(2), 152, 116, {}, {}};
    SongWriter w(song);
    const char* verseChords = "Dm | Dm | Bb | C | Dm | Dm | Bb | A";
    const char* chorusChords = "Bb | C | Dm | Dm | Bb | C | A | A";
    w.chords(0, "Dm | C | Bb | A");
    w.chords(4, verseChords);
    w.chords(12, verseChords);
    w.chords(20, chorusChords);
    w.chords(28, "Dm | F | G | A | Dm | F | Bb | A");
    w.chords(36, "Gm | Gm | Dm | Dm | Bb | C | A | A");
    w.chords(44, chorusChords);
    w.chords(52, "Gm | Bb | F | A | Gm | Bb | C | A");
    w.chords(60, verseChords);   // moved up to E minor below
    w.chords(68, chorusChords);  // and this one too
    w.chords(76, verseChords);
    w.chords(84, "Dm | Bb | Gm | A | Dm | Bb | Gm | A");
    w.chords(92, "Bb | Bb | C | C | Dm | Dm | A | A7");
    w.chords(100, chorusChords);
    w.chords(108, "Bb | C | A | A");
    w.chords(112, "Dm | C | Bb | A");

    Part& lead = w.part(0, gm::sawLead, 74, 60, 35, 30);
    Part& guitar = w.part(1, gm::overdrive, 76, 44, 25);
    Part& guitar2 = w.part(2, gm::overdrive, 72, 84, 25);
    Part& pad = w.part(3, gm::synthStrings, 80, 64, 60);
    Part& stabs = w.part(4, gm::synthBrass, 80, 64, 40);
    Part& bass = w.part(5, gm::pickBass, 104, 64, 10);
    Part& drums = w.part(kDrumChannel, 0, 100, 64, 20);

    const std::string verseStart =
        "D5:2 D5:2 F5:2 A5:4 G5:2 F5:2 E5:2 | F5:4 E5:2 D5:2 A4:8 | Bb4:2 D5:2 F5:2 Bb5:4 A5:2 G5:2 F5:2 |"
        "G5:4 E5:4 C5:4 E5:4 |";
    const std::string verse = verseStart + "D5:2 D5:2 F5:2 A5:4 C6:2 A5:2 F5:2 | D6:6 C6:2 A5:4 F5:4 |"
                                           "G5:2 F5:2 D5:2 Bb4:2 G5:4 F5:4 | E5:6 C#5:2 A4:4 E5:4";
    const std::string verseHigh = verseStart + "D6:2 D6:2 C6:2 A5:4 C6:2 D6:2 F6:2 | E6:6 D6:2 C6:4 A5:4 |"
                                               "Bb5:2 A5:2 G5:2 F5:2 E5:2 F5:2 G5:4 | A5:8 C#6:4 E6:4";
    const char* chorus = "F5:8 Bb5:8 | A5:4 G5:4 E5:4 C5:4 | F5:6 E5:2 D5:8 | A5:4 D6:4 C6:4 A5:4 |"
                         "Bb5:8 A5:4 G5:4 | E6:8 D6:4 C6:4 | C#6:8 E6:8 | A5:4 G5:4 E5:4 C#5:4";
    const char* chorusLast = "F5:4 A5:4 Bb5:8 | A5:4 G5:4 E5:2 F5:2 G5:4 | F5:6 E5:2 D5:4 F5:4 | A5:4 D6:4 F6:4 D6:4 |"
                             "Bb5:4 D6:4 F6:4 D6:4 | E6:4 G6:4 E6:4 C6:4 | C#6:8 E6:4 G6:4 | A6:8 E6:4 C#6:4";
    w.melody(lead, 4, verse, 100, 0.85);
    w.melody(lead, 12, verseHigh, 100, 0.85);
    w.melody(lead, 20, chorus, 104, 0.92);
    // The guitars' riff, the lead silent.
    w.melody(guitar2, 28, "D4:2 D4:2 F4:2 D4:2 G4:2 D4:2 A4:4 | F4:2 F4:2 A4:2 F4:2 C5:2 A4:2 F4:4 |"
                          "G4:2 G4:2 Bb4:2 G4:2 D5:2 Bb4:2 G4:4 | A4:4 C#5:4 E5:4 A4:4 |"
                          "D4:2 D4:2 F4:2 D4:2 G4:2 D4:2 A4:4 | F4:2 F4:2 A4:2 F4:2 C5:2 A4:2 F4:4 |"
                          "Bb4:2 Bb4:2 D5:2 Bb4:2 F5:2 D5:2 Bb4:4 | A4:4 E5:4 A5:4 C#5:4", 92, 0.7);
    w.melody(lead, 40,
             "Bb4:2 D5:2 F5:2 Bb5:2 D6:2 Bb5:2 F5:2 D5:2 | C5:2 E5:2 G5:2 C6:2 E6:2 C6:2 G5:2 E5:2 |"
             "A4:2 C#5:2 E5:2 A5:2 C#6:2 E6:2 A6:4 | G6:4 E6:4 C#6:4 A5:4",
             96, 0.8);
    w.melody(lead, 44, chorus, 104, 0.92);
    // The half-time bridge: the synth strings carry a slow tune.
    w.melody(pad, 52, "G5:12 A5:4 | Bb5:8 D6:8 | C6:12 A5:4 | C#6:16 | D6:8 Bb5:8 | F5:8 D6:8 | E6:8 C6:8 | C#6:8 E6:8",
             86, 0.97);
    w.melody(lead, 60, verse, 100, 0.85);
    w.melody(lead, 68, chorus, 106, 0.92);
    // The solo: sixteenths over the verse.
    w.melody(lead, 76,
             "D5:1 F5:1 A5:1 D6:1 F6:2 E6:2 D6:2 A5:2 F5:2 A5:2 | D6:4 C6:2 A5:2 F5:2 D5:2 E5:2 F5:2 |"
             "Bb5:2 A5:2 Bb5:2 D6:2 F6:4 D6:2 Bb5:2 | C6:2 Bb5:2 A5:2 G5:2 E5:2 G5:2 C6:4 |"
             "D6:2 A5:2 F5:2 A5:2 D6:2 F6:2 A6:4 | G6:2 F6:2 E6:2 D6:2 C6:2 A5:2 F5:4 |"
             "G5:2 Bb5:2 D6:2 G6:2 F6:2 D6:2 Bb5:2 G5:2 | A5:4 C#6:4 E6:4 G6:4",
             104, 0.8);
    // A hushed breakdown: the lead's sparse line over the pad.
    w.melody(lead, 84, "A5:12 r:4 | F5:12 r:4 | G5:8 Bb5:8 | A5:16 | D6:12 r:4 | F6:8 D6:8 | Bb5:8 G5:8 | C#6:16",
             76, 0.95);
    w.pad(pad, 84, 100, 57, 70);
    // The build: stabs climb, the lead holds on.
    w.melody(lead, 92, "F5:16 | D5:8 F5:8 | G5:16 | E5:8 G5:8 | A5:16 | F5:8 A5:8 | C#6:8 E6:8 | G6:4 E6:4 C#6:4 A5:4",
             92, 0.95);
    w.comp(stabs, 92, 100, "x.x.x.x.x.x.x.x.", 62, 80);
    w.melody(lead, 100, chorusLast, 108, 0.9);
    w.melody(lead, 108, "D6:4 F6:4 D6:4 Bb5:4 | E6:4 G6:4 E6:4 C6:4 | C#6:8 E6:8 | A6:16", 100, 0.9);
    w.melody(lead, 112, "D5:2 F5:2 A5:2 D6:2 r:8 | C5:2 E5:2 G5:2 C6:2 r:8 | Bb4:2 D5:2 F5:2 Bb5:2 r:8 |"
                        "A4:2 C#5:2 E5:2 A5:2 C#6:4 E6:4", 96, 0.8);

    w.comp(guitar, 0, 28, "x-x-x-x-x-x-x-x-", 38, 92, Voicing::Power);
    w.comp(guitar, 28, 36, "x-x-..x-x-x-..x-", 38, 92, Voicing::Power);
    w.comp(guitar2, 20, 28, "x.....x.....x...", 50, 86, Voicing::Power);
    w.comp(guitar, 44, 52, "x-x-x-x-x-x-xxx-", 38, 92, Voicing::Power);
    w.comp(guitar2, 44, 52, "x.....x.....x...", 50, 86, Voicing::Power);
    w.comp(guitar, 52, 60, "x-------x-------", 38, 84, Voicing::Power);
    w.comp(guitar, 60, 76, "x-x-x-x-x-x-x-x-", 38, 92, Voicing::Power);
    w.comp(guitar, 76, 84, "x-x-x-..x-x-x-..", 38, 92, Voicing::Power);
    w.comp(guitar2, 68, 76, "x.....x.....x...", 50, 86, Voicing::Power);
    w.comp(guitar2, 76, 84, "..x-..x-..x-..x-", 50, 80, Voicing::Power);
    w.comp(guitar, 96, 116, "x-x-x-x-x-x-x-x-", 38, 94, Voicing::Power);
    w.comp(guitar2, 100, 108, "x.....x...x.x...", 50, 88, Voicing::Power);
    w.pad(pad, 20, 28, 57, 70);
    w.pad(pad, 36, 52, 57, 76);
    w.pad(pad, 68, 76, 57, 72);
    w.comp(stabs, 12, 20, "x-....x.....x.x.", 62, 84);
    w.comp(stabs, 60, 68, "x-....x.....x.x.", 62, 84);
    w.comp(stabs, 100, 108, "x-..x-..x-....x.", 62, 86);

    w.bass(bass, 0, 28, "1:2 1:2 1:2 1:2 1:2 1:2 8:2 1:2", 38, 104, 0.8);
    w.bass(bass, 28, 36, "1:2 1:2 8:2 1:2 5:2 1:2 8:2 5:2", 38, 104, 0.8);
    w.bass(bass, 36, 40, "1:8 5:8", 38, 100, 0.95);
    w.bass(bass, 40, 52, "1:2 1:2 1:2 1:2 1:2 1:2 8:2 1:2", 38, 104, 0.8);
    w.bass(bass, 52, 60, "1:8 5:4 8:4", 38, 96, 0.9);
    w.bass(bass, 60, 76, "1:2 1:2 1:2 1:2 1:2 1:2 8:2 1:2", 38, 104, 0.8);
    w.bass(bass, 76, 84, "1:2 1:2 1:2 1:2 1:2 1:2 5:2 8:2", 38, 104, 0.8);
    w.bass(bass, 84, 92, "1:16", 38, 88, 0.95);
    w.bass(bass, 92, 100, "1:4 1:4 1:4 1:4", 38, 98, 0.8);
    w.bass(bass, 100, 116, "1:2 1:2 8:2 1:2 1:2 1:2 8:2 5:2", 38, 106, 0.8);

    w.drum(drums, 0, 36, gm::closedHat, "x.o.x.o.x.o.x.o.", 80);
    w.drum(drums, 0, 36, gm::kick, "x.....x.x.....x.", 108);
    w.drum(drums, 4, 36, gm::snare, "....x.......x...", 100);
    w.drum(drums, 36, 40, gm::kick, "x.......x.......", 96);
    w.drum(drums, 36, 40, gm::ride, "x.o.x.o.x.o.x.o.", 66);
    w.drum(drums, 40, 44, gm::kick, "x...x...x...x...", 104);
    w.drum(drums, 40, 44, gm::snare, "....x.......x.o.", 92);
    w.drum(drums, 43, 44, gm::snare, "x.x.x.x.xoxoxxxx", 92);
    w.drum(drums, 44, 52, gm::openHat, "x...o...x...o...", 70);
    w.drum(drums, 44, 52, gm::kick, "x.....x.x.....x.", 108);
    w.drum(drums, 44, 52, gm::snare, "....x.......x...", 100);
    w.drum(drums, 52, 60, gm::kick, "x.........x.....", 96);
    w.drum(drums, 52, 60, gm::snare, "........x.......", 96);
    w.drum(drums, 52, 60, gm::ride, "x...o...x...o...", 70);
    w.drum(drums, 60, 84, gm::closedHat, "x.o.x.o.x.o.x.o.", 80);
    w.drum(drums, 60, 84, gm::kick, "x.....x.x.....x.", 108);
    w.drum(drums, 60, 84, gm::snare, "....x.......x...", 100);
    w.drum(drums, 84, 92, gm::kick, "x.......x.......", 84);
    w.drum(drums, 92, 100, gm::kick, "x...x...x...x...", 100);
    w.drum(drums, 94, 98, gm::snare, "x...x...x...x...", 86);
    w.drum(drums, 98, 100, gm::snare, "x.x.x.x.xoxoxxxx", 94);
    w.drum(drums, 100, 116, gm::openHat, "x...o...x...o...", 72);
    w.drum(drums, 100, 116, gm::kick, "x.....x.x.....x.", 108);
    w.drum(drums, 100, 116, gm::snare, "....x.......x...", 100);
    addFills(drums, 4, 36, 4, 100, 41);
    addFills(drums, 44, 52, 4, 100, 42);
    addFills(drums, 60, 84, 4, 100, 43);
    addFills(drums, 100, 116, 4, 100, 44);
    for (int bar : {4, 12, 20, 28, 36, 44, 52, 60, 68, 76, 100, 108})
        w.hit(drums, bar, 0, gm::crash, 100);

    transpose(song, 60, 76, 2);
    shapeDynamics(song, {{0, 4, 0.9, 0.92}, {4, 20, 0.95, 0.95}, {20, 28, 1.02, 1.02}, {28, 36, 0.95, 0.95},
                         {36, 44, 0.72, 0.95}, {44, 52, 1.02, 1.02}, {52, 60, 0.8, 0.85}, {60, 84, 1.0, 1.05},
                         {84, 92, 0.6, 0.65}, {92, 100, 0.7, 1.02}, {100, 112, 1.06, 1.06}, {112, 116, 0.95, 0.92}});
    humanise(song, 4);
    return song;
}

} // namespace

std::vector<Song> composeSongs() { return {menuTheme(), easyTheme(), mediumTheme(), hardTheme()}; }

} // namespace burrowix::mkdata
