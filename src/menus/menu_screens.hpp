#pragma once
// The menu screens, each in its own file, and their registration with the shell's screen table.

namespace burrowix {

// Registers every menu screen and the menus' start-up hooks; called once before start-up.
void registerMenuScreens();

void registerLogoScreen();
void registerMainMenuScreen();
void registerLevelChoiceScreen();
void registerOptionsScreen();
void registerControlsScreen();
void registerHallOfFameScreen();
void registerHelpScreen();
void registerExitScreen();
void registerGameOverScreen();
void registerEditorScreen();

} // namespace burrowix
