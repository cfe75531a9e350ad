#include "menus/menu_screens.hpp"

#include "app/screen_table.hpp"
#include "menus/difficulty_dialog.hpp"
#include "menus/editor_screen.hpp"
#include "menus/editor_state.hpp"
#include "menus/editor_tiles.hpp"
#include "menus/help_state.hpp"
#include "menus/level_choice_state.hpp"
#include "menus/level_navigation.hpp"
#include "menus/menu_widgets.hpp"

namespace burrowix {

namespace {

void resetMenus()
{
    levelChoice.reset();
    levelChoiceSnapshot.reset();
    help.reset();
    editorScreen.reset();
    editorTiles.clear();
    connectPackNavigation();
}

} // namespace

void registerMenuScreens()
{
    registerLogoScreen();
    registerMainMenuScreen();
    registerLevelChoiceScreen();
    registerOptionsScreen();
    registerControlsScreen();
    registerHallOfFameScreen();
    registerHelpScreen();
    registerExitScreen();
    registerGameOverScreen();
    registerEditorScreen();

    MenuHooks hooks;
    hooks.reset = resetMenus;
    hooks.createWidgets = createMenuWidgets;
    hooks.difficultyDialogState = [] { return levelChoice.difficultyDialogState; };
    hooks.snapshotSurface = [] { return levelChoiceSnapshot.get(); };
    hooks.showLevelChoiceWidgets = showLevelChoiceWidgets;
    hooks.closeWork = keepEditorWork;
    registerMenuHooks(hooks);
}

} // namespace burrowix
