#include "menus/difficulty_dialog.hpp"

#include <array>

#include "app/pack_catalogue.hpp"
#include "app/screen_flow.hpp"
#include "app/screen_widgets.hpp"
#include "menus/level_choice_state.hpp"
#include "platform/display/blit.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"

namespace burrowix {

namespace {

constexpr int kDialog = assets::interfaceSlot(assets::PictureId::Difficulty); // the panel, three rope pieces and the top piece
constexpr int kDimming = assets::interfaceSlot(assets::PictureId::Dimming); // tiled
constexpr int kDimmingTile = assets::pictureAsset(assets::PictureId::Dimming).width;
constexpr std::array<int, 15> kDrop = {-110, -35, 52, 139, 215, 275, 317, 340, 347, 341, 326, 307, 286, 267, 250};
constexpr int kDropStep = 40, kWobbleStep = 50, kLastWobble = 9;
constexpr int kButtonX = 304;

struct Button {
    const char* name;
    int offsetY; // below the panel's top
};
constexpr Button kButtons[] = {{"LC00", 8}, {"LC01", 121}, {"LC02", 230}};

void stepDrop()
{
    LevelChoiceState& s = levelChoice;
    if (!s.dialogDropping)
        return;
    if (!s.dialogSettling) {
        if (!elapsedMoreThan(app.frameClock, s.dialogTime, kDropStep))
            return;
        s.dialogTime = app.frameClock;
        ++s.dialogStep;
        if (s.dialogStep < int(kDrop.size())) {
            s.dialogY = kDrop[std::size_t(s.dialogStep)] - 115;
        } else {
            s.dialogSettling = 1;
            s.dialogWobble = 0;
        }
        return;
    }
    if (!elapsedMoreThan(app.frameClock, s.dialogTime, kWobbleStep))
        return;
    s.dialogTime = app.frameClock;
    if (++s.dialogWobble > kLastWobble) {
        s.dialogSettling = 0;
        s.dialogDropping = 0;
        s.dialogStep = 0;
    }
}

void placeButtons()
{
    for (const Button& b : kButtons)
        moveWidget(b.name, kButtonX, levelChoice.dialogY + b.offsetY);
}

} // namespace

void drawDifficultyDialog(Surface* back)
{
    if (levelChoiceSnapshot)
        blitFast(back, 0, 0, levelChoiceSnapshot.get(), nullptr, false);
    if (const Surface* dim = thePictures.interfaceImages[kDimming].get())
        for (int column = 0; column < 800 / kDimmingTile; ++column)
            for (int row = 0; row < 600 / kDimmingTile; ++row)
                blitFast(back, column * kDimmingTile, row * kDimmingTile, dim, nullptr, true);

    stepDrop();
    const Surface* dialog = thePictures.interfaceImages[kDialog].get();
    const int y = levelChoice.dialogY;
    const int ropeX = 265 - 9 * levelChoice.dialogWobble;
    const Rect ropes[] = {{0, 359, 125, 450}, {125, 359, 250, 450}, {250, 359, 375, 450}};
    const int ropeY[] = {y + 15, y + 127, y + 246};
    for (int i = 0; i < 3; ++i)
        blitFast(back, ropeX, ropeY[i], dialog, &ropes[i], true);
    const Rect top{0, 450, 239, 507};
    blitFast(back, 319, y - 7 - 5 * levelChoice.dialogWobble, dialog, &top, true);
    const Rect panel{0, 0, 358, 358};
    blitFast(back, 275, y, dialog, &panel, true);
    placeButtons();
}

void showDifficultyButtons()
{
    placeButtons();
    for (const Button& b : kButtons)
        showWidget(b.name);
}

void chooseDifficulty(int difficulty)
{
    playMenuClick();
    theCatalogue.difficulty = difficulty;
    levelChoice.dialogStep = 0;
    levelChoice.dialogWobble = 0;
    levelChoice.dialogSettling = 0;
    levelChoice.difficultyDialogState = 0;
    theRecords.difficultyPromptPending = 0;
    hideAllWidgets();
    showLevelChoiceWidgets();
    theCatalogue.selectLevelPackByNumber();
}

} // namespace burrowix
