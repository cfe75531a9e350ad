#pragma once
// burrowix-sim's "app" mode: the whole program without a window or sound card, from start-up to
// close, in a copy of a data folder, against a manual clock, driven by script commands, one per
// line ('#' starts a comment):
//   frames N            run until N more frames were presented
//   ms N                let N milliseconds pass, running every frame that falls due
//   key NAME            a key pressed and released (with its character for Enter, Esc, Backspace, Tab)
//   down NAME | up NAME a key pressed or released
//   char C              one typed character
//   text STRING         the characters of STRING typed one by one
//   move X Y            the pointer moved
//   click X Y [right]   the pointer moved, a button pressed and released there
//   press X Y | release X Y   the pointer moved, the left button pressed or released there
//   wheel N             the mouse wheel turned N notches (negative: towards the user)
//   shot FILE.png       the back buffer as a picture
//   digest              one JSON line with a fingerprint of the back buffer's pixels
//   state               one JSON line with the program's state
//   close               the window's close request (saves the three files; the program ends)
// Key names: Left Up Right Down PageUp PageDown Home End Space Tab Esc Enter Backspace Insert Delete
// F1..F12 and single letters or digits.

#include <iosfwd>
#include <string>
#include <vector>

namespace burrowix {

// burrowix-sim app DATADIR [--script FILE] [--work DIR]; the exit status (2 for a bad script line,
// with the line number on `err`).
int runAppSim(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace burrowix
