// The level choice: the live preview of the chosen level under a frame, with the sign over
// Brannok, the lock mark, the level number and difficulty pictures, the slides between levels and
// packs (the old preview leaving beside the new one, a seam between them), and the magnifier under
// the pointer. On the first visit the difficulty dialog covers it (difficulty_dialog.cpp).

#include <algorithm>
#include <string>

#include "app/level_start.hpp"
#include "app/own_level_pack.hpp"
#include "app/pack_catalogue.hpp"
#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "app/screen_widgets.hpp"
#include "menus/difficulty_dialog.hpp"
#include "menus/level_choice_best.hpp"
#include "menus/level_choice_state.hpp"
#include "menus/level_navigation.hpp"
#include "menus/menu_focus.hpp"
#include "menus/menu_actions.hpp"
#include "menus/menu_screens.hpp"
#include "menus/screen_drawing.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_animation.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/magnifier.hpp"
#include "world/world.hpp"

namespace burrowix {

LevelChoiceState levelChoice;
std::unique_ptr<Surface> levelChoiceSnapshot;

namespace {

constexpr std::uint32_t kBlack = packRgb(0, 0, 0);
constexpr std::uint32_t kGreen = packRgb(0, 255, 0);
using P = assets::PictureId;
constexpr int slot(P picture) { return assets::interfaceSlot(picture); }
constexpr int kDigits = slot(P::LevelDigits), kClosed = slot(P::Locked), kFrame = slot(P::LevelChoiceFrame),
              kSeamAcross = slot(P::LevelSlideSeam), kSeamDown = slot(P::PackSlideSeam),
              kMagnifier = slot(P::Magnifier), kSign = slot(P::StartMarker), kDialog = slot(P::Difficulty);
constexpr ScreenPicture kPictures[] = {{kFrame, kGreen},      {kClosed, kGreen},    {kDigits, kBlack},
                                       {kMagnifier, kBlack},  {kSeamAcross, kBlack}, {kSeamDown, kBlack},
                                       {kSign, kBlack},       {kDialog, packRgb(0, 255, 255)}};
constexpr const char* kWidgets[] = {"ImageStart", "ImageMainMenuLC", "LevelPlus", "LevelMinus", "PackPlus",
                                    "PackMinus"};

// The level digits: rows 0..2 the level numbers, row 3 the change and difficulty pictures.
constexpr int kPreviewBackground = kPreviewBackgroundImage;
constexpr int kDigitWidth = assets::frameWidth(P::LevelDigits), kDigitHeight = assets::frameHeight(P::LevelDigits);
constexpr int kSignSize = assets::frameWidth(P::StartMarker), kSignLastFrame = 8, kSignStep = 40;
constexpr int kClosedWidth = assets::frameWidth(P::Locked), kClosedHeight = assets::frameHeight(P::Locked);
constexpr std::int32_t kChangeTime = 500;
constexpr int kMagnifierWidth = assets::frameWidth(P::Magnifier);
constexpr int kMagnifierHeight = assets::frameHeight(P::Magnifier);
constexpr int kMagnifierCentre = 114;

Rect digitCell(int column, int row)
{
    return {column * kDigitWidth, row * kDigitHeight, (column + 1) * kDigitWidth, (row + 1) * kDigitHeight};
}

// Draws `source` of `picture` at (x, y), cut to `clip`.
void blitClipped(Surface* target, int x, int y, const Surface* picture, Rect source, const Rect& clip, bool keyed)
{
    if (!picture)
        return;
    const int left = std::max(x, clip.left), top = std::max(y, clip.top);
    const int right = std::min(x + source.width(), clip.right);
    const int bottom = std::min(y + source.height(), clip.bottom);
    if (left >= right || top >= bottom)
        return;
    const Rect cut{source.left + left - x, source.top + top - y, source.left + right - x, source.top + bottom - y};
    blitFast(target, left, top, picture, &cut, keyed);
}

// Where neither the level's cells nor its background blocks reach (beside narrow levels), the
// preview window shows the level's background square instead of the frame's clear colour.
void fillUncoveredPreview(Surface* back)
{
    const World* w = world.theWorld.get();
    const Digger* d = world.theDigger.get();
    const Surface* square = thePictures.interfaceImages[kPreviewBackground].get();
    if (!w || !d || !square || !app.worldReady || levelChoice.sliding() || square->height() < 100 ||
        square->width() < (w->look() + 1) * 100)
        return;
    // The squares are laid from the level's corner, as the background blocks are.
    const int left = screenFlow.previewOriginX + (d->viewCol - d->x) * 20;
    const int top = screenFlow.previewOriginY + (d->viewRow - d->y) * 20;
    const Rect level{left, top, left + w->width * 20, top + w->height * 20};
    // The frame is cleared to the first pixel of the clear picture ("all.bmp", near black).
    const std::uint32_t cleared = app.clearPicture ? app.clearPicture->pixel(0, 0) : back->mapRgb(0);
    const int m = w->look();
    const Rect window = kPreviewWindow;
    for (int y = std::max(window.top, 0); y < std::min(window.bottom, back->height()); ++y)
        for (int x = std::max(window.left, 0); x < std::min(window.right, back->width()); ++x) {
            const bool inside = x >= level.left && x < level.right && y >= level.top && y < level.bottom;
            if (inside || back->pixel(x, y) != cleared)
                continue;
            const int tx = ((x - left) % 100 + 100) % 100, ty = ((y - top) % 100 + 100) % 100;
            back->setPixel(x, y, square->pixel(m * 100 + tx, ty));
        }
}

void loadSnapshot()
{
    if (levelChoiceSnapshot)
        return;
    levelChoiceSnapshot = loadBitmapSurface(theDisplay, kInterfaceImageNames[kFrame]);
    if (levelChoiceSnapshot)
        setColorKey(levelChoiceSnapshot.get(), kBlack);
}

void enter(int from)
{
    resetGame();
    forgetLevelBest();
    screenFlow.previewOriginX = kPreviewRestX;
    screenFlow.previewOriginY = kPreviewRestY;
    app.cellSize = 20;
    startLevel(screenFlow.levelNumber);
    levelChoice.previewSnapshotState = from == ScreenMainMenu ? 1 : -1;
}

void showWidgets()
{
    if (levelChoice.difficultyDialogState == 2) {
        showDifficultyButtons();
        return;
    }
    for (const char* name : kWidgets)
        showWidget(name);
}

void stepSign()
{
    if (!elapsedMoreThan(app.frameClock, levelChoice.signTime, kSignStep))
        return;
    levelChoice.signTime = app.frameClock;
    int& f = levelChoice.signFrame;
    if (levelChoice.signRising) {
        if (f < kSignLastFrame) {
            ++f;
        } else {
            --f;
            levelChoice.signRising = 0;
        }
    } else if (f > 0) {
        --f;
    } else {
        ++f;
        levelChoice.signRising = 1;
    }
}

void drawSign(Surface* back)
{
    stepSign();
    const Digger* d = world.theDigger.get();
    if (levelChoice.sliding() || !d || !app.worldReady)
        return;
    const Rect source{levelChoice.signFrame * kSignSize, 0, (levelChoice.signFrame + 1) * kSignSize, kSignSize};
    drawPiece(back, kSign, d->viewCol * 20 + screenFlow.previewOriginX - 21,
              d->viewRow * 20 + screenFlow.previewOriginY - 21, source);
}

void drawLockMark(Surface* back)
{
    if (screenFlow.levelNumber <= theCatalogue.unlockedLevels() - 1)
        return;
    // While sliding, the mark is cut where it would leave the window, with a margin on the side the
    // preview enters from.
    Rect clip = kPreviewWindow;
    if (levelChoice.previewSlideX == 1)
        clip.right += 40;
    else if (levelChoice.previewSlideX == 2)
        clip.left -= 40;
    else if (levelChoice.previewSlideY == 1)
        clip.bottom += 40;
    else if (levelChoice.previewSlideY == 2)
        clip.top -= 40;
    if (!levelChoice.sliding())
        clip = Rect{0, 0, 800, 600};
    blitClipped(back, screenFlow.previewOriginX + 251, screenFlow.previewOriginY + 150,
                thePictures.interfaceImages[kClosed].get(), Rect{0, 0, kClosedWidth, kClosedHeight}, clip, true);
}

void capturePreview(Surface* back)
{
    if (levelChoice.previewSnapshotState == 1 && !levelChoice.sliding() &&
        levelChoice.difficultyDialogState != 2 && theRecords.difficultyPromptPending != 1) {
        levelChoice.previewSnapshotState = 0;
        if (levelChoiceSnapshot)
            blitFast(levelChoiceSnapshot.get(), 0, 0, back, &kPreviewWindow, false);
    } else if (levelChoice.previewSnapshotState == -1) {
        levelChoice.previewSnapshotState = 1;
    }
}

// Moves `origin` 20 pixels towards `rest`; at rest the slide ends and the new preview is captured.
void slideTowards(int& slide, int& origin, int rest)
{
    if (slide == 1 && origin > rest)
        origin -= 20;
    else if (slide == 2 && origin < rest)
        origin += 20;
    if ((slide == 1 && origin <= rest) || (slide == 2 && origin >= rest)) {
        origin = rest;
        slide = 0;
        levelChoice.previewSnapshotState = 1;
    }
}

void stepSlide()
{
    if (levelChoice.previewSlideX)
        slideTowards(levelChoice.previewSlideX, screenFlow.previewOriginX, kPreviewRestX);
    if (levelChoice.previewSlideY)
        slideTowards(levelChoice.previewSlideY, screenFlow.previewOriginY, kPreviewRestY);
}

// The previous preview, attached to the moving new one on the side it leaves towards, and the seam.
void drawOldPreview(Surface* back)
{
    const int windowX = screenFlow.previewOriginX - (kPreviewRestX - kPreviewWindow.left);
    const int windowY = screenFlow.previewOriginY - (kPreviewRestY - kPreviewWindow.top);
    const Rect source{0, 0, kPreviewWindow.width(), kPreviewWindow.height()};
    const int x = screenFlow.previewOriginX;
    const int y = screenFlow.previewOriginY;
    if (levelChoice.previewSlideX) {
        const int oldX = windowX + (levelChoice.previewSlideX == 1 ? -kLevelSlideDistance : kLevelSlideDistance);
        blitClipped(back, oldX, kPreviewWindow.top, levelChoiceSnapshot.get(), source, kPreviewWindow, false);
        const Surface* seam = thePictures.interfaceImages[kSeamAcross].get();
        if (seam)
            blitFast(back, levelChoice.previewSlideX == 1 ? x - 80 : x + 400, 98, seam, nullptr, true);
    } else if (levelChoice.previewSlideY) {
        const int oldY = windowY + (levelChoice.previewSlideY == 1 ? -kPackSlideDistance : kPackSlideDistance);
        blitClipped(back, kPreviewWindow.left, oldY, levelChoiceSnapshot.get(), source, kPreviewWindow, false);
        const Surface* seam = thePictures.interfaceImages[kSeamDown].get();
        if (seam)
            blitFast(back, 160, levelChoice.previewSlideY == 1 ? y - 80 : y + 300, seam, nullptr, true);
    }
}

// A change picture shows for 500 ms after a step of its kind, then the kind ends.
bool changeShowing(int kind)
{
    if (levelChoice.previewSlideKind != kind)
        return false;
    if (!elapsedMoreThan(app.frameClock, levelChoice.previewSlideStart, kChangeTime))
        return true;
    levelChoice.previewSlideKind = 0;
    return false;
}

void drawNumbers(Surface* back)
{
    const int difficulty = theCatalogue.difficulty;
    const Rect difficultyCell = changeShowing(2) ? digitCell(5, 3) : digitCell(2 + difficulty, 3);
    if (changeShowing(2) || (difficulty >= 0 && difficulty <= 2))
        drawPiece(back, kDigits, 687, 119, difficultyCell);

    const int level = screenFlow.levelNumber;
    Rect levelCell = digitCell(level % 10, level / 10);
    if (changeShowing(1)) {
        const bool first = level < 10 && !(level == 9 && levelChoice.previewSlideX == 2);
        levelCell = digitCell(first ? 0 : 1, 3);
    }
    drawPiece(back, kDigits, 47, 119, levelCell);
}

// Along the bottom, when the own levels are chosen: which pack this is and the level's title.
void drawOwnPackLine(Surface* back)
{
    if (!theCatalogue.ownPackSelected)
        return;
    std::string line = "Own levels";
    const std::size_t level = std::size_t(std::max(0, screenFlow.levelNumber));
    if (level < ownLevelPack.levels.size() && !ownLevelPack.levels[level].notes.title.empty())
        line += ": " + ownLevelPack.levels[level].notes.title;
    constexpr std::uint32_t kOwnLineColor = 0x5AE0FF; // light gold (red in the lowest byte)
    drawText(kFontSmall, 0, 1, kAlignCentre, kAlignCentre, back, 400, 560, line.c_str(), kOwnLineColor);
}

void draw(Surface* back)
{
    if (levelChoice.difficultyDialogState == 2 && theRecords.difficultyPromptPending == 1) {
        drawDifficultyDialog(back);
        return;
    }
    fillUncoveredPreview(back);
    drawSign(back);
    drawLockMark(back);
    capturePreview(back);
    stepSlide();
    drawOldPreview(back);
    drawFullScreen(back, kFrame, true);
    drawNumbers(back);
    drawLevelBest(back);
    drawOwnPackLine(back);
    if (theRecords.difficultyPromptPending == 1 && levelChoice.difficultyDialogState < 2) {
        levelChoice.difficultyDialogState = 2;
        levelChoice.dialogDropping = 1;
        // The panel starts its drop above the screen, not at its resting place.
        levelChoice.dialogStep = 0;
        levelChoice.dialogY = kDialogDropStartY;
    }
}

bool insidePreview(int x, int y)
{
    return x > kPreviewWindow.left && x < kPreviewWindow.right && y > kPreviewWindow.top &&
           y < kPreviewWindow.bottom;
}

void drawMagnifierOverlay(Surface* back)
{
    if (levelChoice.sliding() || !app.worldReady || !world.theWorld || !insidePreview(levelChoice.pointerX, levelChoice.pointerY)) {
        screenFlow.magnifierOn = 0;
        app.cursorVisible = 1;
        return;
    }
    screenFlow.magnifierOn = 1;
    World& w = *world.theWorld;
    const int mx = levelChoice.pointerX, my = levelChoice.pointerY;
    CellMotion m;
    m.now = app.frameClock;
    m.running = !gameScreen.frozen;
    m.enemiesAnimate = true;
    m.itemsAnimate = true;
    prepareMagnifierCells(w, mx, my, m);
    drawMagnifier(w, world.theDigger.get(), back, mx, my);
    animateMagnifierCells(w, mx, my, m);
    blitClipped(back, levelChoice.pointerX - kMagnifierCentre, levelChoice.pointerY - kMagnifierCentre,
                thePictures.interfaceImages[kMagnifier].get(), Rect{0, 0, kMagnifierWidth, kMagnifierHeight},
                Rect{0, 0, 800, 600}, true);
    app.cursorVisible = 0;
}

// The arrows choose the level and the pack (Up the harder one, as Hard is the dialog's top button);
// Tab reaches the two buttons. In the difficulty dialog the arrows move between its buttons, top to
// bottom as on the screen.
constexpr FocusItem kFocus[] = {{"ImageMainMenuLC"}, {"ImageStart"}};
constexpr FocusItem kDialogFocus[] = {{"LC00"}, {"LC01"}, {"LC02"}};

void keyDown(const Message& message)
{
    const std::uint32_t key = message.wParam;
    if (levelChoice.difficultyDialogState == 2 ? focusKeyDown(kDialogFocus, key)
                                               : focusKeyDown(kFocus, key, FocusArrows::TabOnly))
        return;
    if (key == Key::Enter) {
        if (levelChoice.difficultyDialogState != 2 && theRecords.difficultyPromptPending != 1)
            startGame();
        return;
    }
    if (key == Key::Escape) {
        backToMainMenu();
        return;
    }
    if (!screenFlow.levelChoiceKeysEnabled)
        return;
    switch (key) {
    case Key::Left: levelStepBack(1); break;
    case Key::Right: levelStepForward(1); break;
    case Key::PageUp: levelStepBack(5); break;
    case Key::PageDown: levelStepForward(5); break;
    case Key::Home: levelFirst(); break;
    case Key::End: levelLastUnlocked(); break;
    case Key::Up: theCatalogue.nextLevelPack(); break;
    case Key::Down: theCatalogue.previousLevelPack(); break;
    default: break;
    }
}

void pointerMoved(int x, int y)
{
    levelChoice.pointerX = x;
    levelChoice.pointerY = y;
}

} // namespace

void showLevelChoiceWidgets()
{
    showWidgets();
}

void registerLevelChoiceScreen()
{
    ScreenEntry screen;
    screen.pictures = kPictures;
    screen.loadExtra = loadSnapshot;
    screen.showWidgets = showWidgets;
    screen.enter = enter;
    screen.drawFrame = draw;
    screen.drawOverlay = drawMagnifierOverlay;
    screen.keyDown = keyDown;
    screen.pointerMoved = pointerMoved;
    registerScreen(ScreenLevelChoice, screen);
}

} // namespace burrowix
