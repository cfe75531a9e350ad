#include "menus/level_navigation.hpp"

#include <algorithm>

#include "app/level_start.hpp"
#include "app/pack_catalogue.hpp"
#include "app/screen_flow.hpp"
#include "menus/level_choice_state.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {

namespace {

// The last level a forward step may reach: the pack's last one, and never past 29.
int lastLevel()
{
    return std::min(kLastLevel, theCatalogue.currentLevelCount - 1);
}

int unlockedLevels()
{
    return theCatalogue.unlockedLevels();
}

// Shows level `level`, the new preview sliding in from the left (`slide` 2) or the right (1).
void slideToLevel(int level, int slide)
{
    levelChoice.previewSlideKind = 1;
    levelChoice.previewSlideStart = app.frameClock;
    screenFlow.levelNumber = level;
    startLevel(level);
    levelChoice.previewSlideX = slide;
    screenFlow.previewOriginX = kPreviewRestX + (slide == 2 ? -kLevelSlideDistance : kLevelSlideDistance);
}

} // namespace

void levelStepBack(int n)
{
    if (levelChoice.busy() || screenFlow.levelNumber < 1)
        return;
    slideToLevel(std::max(0, screenFlow.levelNumber - n), 2);
}

void levelStepForward(int n)
{
    if (levelChoice.busy() || screenFlow.levelNumber >= lastLevel())
        return;
    slideToLevel(std::min(lastLevel(), screenFlow.levelNumber + n), 1);
}

void levelFirst()
{
    if (levelChoice.busy() || screenFlow.levelNumber < 1)
        return;
    slideToLevel(0, 2);
}

void levelLastUnlocked()
{
    const int target = std::clamp(unlockedLevels() - 1, 0, std::max(0, lastLevel()));
    if (levelChoice.busy() || screenFlow.levelNumber == target || screenFlow.levelNumber >= lastLevel())
        return;
    slideToLevel(target, 1);
}

void startGame()
{
    HallOfFame& live = theRecords.hallOfFame;
    if (theCatalogue.difficulty != 0)
        live.ammunition = newGameAmmunition(theCatalogue.difficulty);
    playMenuClick();
    if (screenFlow.levelNumber <= unlockedLevels() - 1)
        SetScreen(ScreenGame);
}

void connectPackNavigation()
{
    CatalogueHooks& hooks = theCatalogue.hooks;
    hooks.previewBusy = [] { return levelChoice.busy(); };
    hooks.startPreviewSlide = [](int direction) {
        // Harder packs lie upwards, as Hard is the difficulty dialog's top button: the next pack's
        // preview comes down from above (slide 2), the previous one up from below.
        const int slide = direction > 0 ? 2 : 1;
        levelChoice.previewSlideKind = 2;
        levelChoice.previewSlideStart = app.frameClock;
        levelChoice.previewSlideY = slide;
        screenFlow.previewOriginY = kPreviewRestY + (slide == 2 ? -kPackSlideDistance : kPackSlideDistance);
    };
    hooks.startCurrentLevel = [] { startLevel(screenFlow.levelNumber); };
}

} // namespace burrowix
