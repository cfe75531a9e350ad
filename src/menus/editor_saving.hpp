#pragma once
// The editor's level in and out: saved into the player's own pack (as a new level, or over the own
// level it came from), exported as a level source into "levels/", an own level opened, a blank one
// made. Each reports what it did in the state's message line.

#include <string>

namespace burrowix {

struct EditorScreenState;

// The source file's name for a title: its letters and digits in lower case, words joined by '-';
// "level" when nothing is left.
std::string exportFileStem(const std::string& title);

bool saveEditedLevel(EditorScreenState& s);
bool exportEditedLevel(EditorScreenState& s);
// Opens the own level after the one being edited (the first when it is none); false without own levels.
bool openNextOwnLevel(EditorScreenState& s);
void newBlankLevel(EditorScreenState& s);
// The level holds changes that no save has kept.
bool unsavedChanges(const EditorScreenState& s);

} // namespace burrowix
