#pragma once
// What several menu buttons and keys share: going back to the main menu (storing a pending
// hall-of-fame name first), and asking the main window to close.

namespace burrowix {

// Click; the name of an open name field is stored first; the main menu; no game-over variant.
void backToMainMenu();
// Stores the game-over name field's text (or "Player") with the pending score in the hall of fame
// and closes the field.
void storeEnteredName();
// Click, then `screen`: what a menu button or Esc that only changes the screen does.
void clickToScreen(int screen);
// Click, then the main menu (the options, hall of fame and help screens' Esc, the exit screen's No).
void clickToMainMenu();
// Click, then the close request to the main window (the program ends through the close work).
void requestClose();

} // namespace burrowix
