#include "app/hud.hpp"

#include <algorithm>
#include <array>

#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "app/level_end.hpp"
#include "state/level_presentation_state.hpp"
#include "app/pack_catalogue.hpp"
#include "state/picture_tables.hpp"
#include "records/records.hpp"
#include "platform/display/blit.hpp"
#include "platform/text/draw_number.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kWeaponColumnPicture = assets::interfaceSlot(assets::PictureId::WeaponColumn);
constexpr int kScorePicture = assets::interfaceSlot(assets::PictureId::ScorePanel);
constexpr int kGoalsPicture = assets::interfaceSlot(assets::PictureId::GoalsBox);
constexpr int kSelectorPicture = assets::interfaceSlot(assets::PictureId::WeaponSelector);

// The number fields of the goals box (picture x and row tops) and, below the box in the same
// picture, the field shown for a goal that is off.
constexpr int kNeedFieldX = 110;
constexpr int kLeftFieldX = 180;
constexpr int kGoldFieldY = 39;
constexpr int kKillFieldY = 112;
constexpr Rect kGoalOffField{0, 188, 56, 220}; // drawn one pixel up and left of a field

constexpr int kSlideStep = 50;
constexpr int kHidden = 10;
constexpr int kSelectorSpeed = 6;
constexpr int kStripFrames = 3;
constexpr int kCell = 40;

// By weapon of the HUD (shot, grenade, mine, TNT, bottle): its ammunition counter, the y of its
// counter digits and the y of its icon square.
constexpr std::array<int, 5> kAmmunitionCounter = {3, 4, 1, 6, 7};
constexpr std::array<int, 5> kCounterY = {24, 84, 144, 202, 261};
constexpr std::array<int, 5> kIconY = {21, 81, 140, 198, 257};

LevelPresentationState& s = levelPresentation;

int weaponIndex()
{
    return std::clamp(gameScreen.currentWeapon, 0, 4);
}

int selectorRest()
{
    return kIconY[std::size_t(weaponIndex())] + 6;
}

Surface* picture(int slot)
{
    return thePictures.interfaceImages[slot].get();
}

// Where the digger is on the screen; a HUD part it overlaps is drawn see-through so that Brannok
// and the field under the part stay visible. The counts are drawn solid over it.
Rect diggerOnScreen(const World& w, const Digger& d)
{
    const int x = d.viewCol * kCell + w.scrollOffsetX + d.offsetX;
    const int y = d.viewRow * kCell + w.scrollOffsetY + d.offsetY;
    return Rect{x, y, x + kCell, y + kCell};
}

bool overlaps(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A HUD picture, solid or see-through.
void piece(Surface* target, int x, int y, int slot, const Rect& part, bool seeThrough)
{
    if (seeThrough)
        blitHalf(target, x, y, picture(slot), &part, true);
    else
        blitFast(target, x, y, picture(slot), &part, true);
}

void number(Surface* target, int value, int x, int y, int style)
{
    drawNumber(target, thePictures.digitsFont.get(), value, x, y, style);
}

// One slide step: hiding only while play runs or the level is ending; a finished hide at the end
// of a won level brings up the level-complete panel.
void slideStep(World& w)
{
    if (s.hudSlide == 0 || (gameScreen.frozen && !s.levelEnding))
        return;
    if (s.hudSlide < 0) {
        if (++s.hudOffset >= kHidden) {
            s.hudOffset = kHidden;
            s.hudSlide = 0;
            if (s.levelEnding == 1)
                beginLevelComplete(w);
        }
    } else if (--s.hudOffset <= 0) {
        s.hudOffset = 0;
        s.hudSlide = 0;
    }
}

// The selector glides 6 px per step towards the current weapon; the strip beside the column turns
// one frame per step.
void glideSelector()
{
    if (!elapsedMoreThan(app.frameClock, s.selectorTime, kSlideStep))
        return;
    s.selectorTime = app.frameClock;
    const int target = selectorRest();
    if (s.selectorY == target)
        return;
    s.selectorY = s.selectorY < target ? std::min(target, s.selectorY + kSelectorSpeed)
                                       : std::max(target, s.selectorY - kSelectorSpeed);
    s.selectorFrame = (s.selectorFrame + 1) % kStripFrames;
}

void drawWeaponColumn(Surface* target, const Rect& digger)
{
    const int sx = s.hudOffset * 18;
    const bool seeThrough = overlaps(digger, Rect{0, 0, 177 - sx, 342});
    const Rect column{sx, 0, 104, 342};
    piece(target, 0, 0, kWeaponColumnPicture, column, seeThrough);
    const int f = s.selectorFrame;
    const Rect strip{73 * f, 40, 73 * f + 73, 198};
    piece(target, 104 - sx, 0, kSelectorPicture, strip, seeThrough);
    const std::size_t current = std::size_t(weaponIndex());
    const int marker = int(current) * 40;
    piece(target, 50 - sx, kIconY[current], kSelectorPicture, Rect{marker, 0, marker + 40, 40}, seeThrough);
    piece(target, 50 + 33 - sx, s.selectorY, kSelectorPicture, Rect{200, 0, 238, 31}, seeThrough);

    const auto& ammunition = theRecords.hallOfFame.ammunition;
    for (std::size_t i = 0; i < kAmmunitionCounter.size(); ++i)
        number(target, std::min(ammunition[std::size_t(kAmmunitionCounter[i])], 99), 26 - sx, kCounterY[i], 0);
    number(target, std::min(ammunition[std::size_t(kAmmunitionCounter[current])], 99), 26 - sx, kCounterY[current], 1);
}

void drawScoreStrip(Surface* target, const Digger& d, const Rect& digger)
{
    const int b = s.hudOffset * 6;
    const int top = 600 - (57 - b);
    const Rect strip{0, 0, 245, 57 - b};
    piece(target, 3, top, kScorePicture, strip, overlaps(digger, Rect{3, top, 248, 600}));
    if (theCatalogue.difficulty != 0) {
        const Rect health{0, 57 * (d.health + 1), 152, 57 * (d.health + 2) - b};
        piece(target, 635, top, kScorePicture, health, overlaps(digger, Rect{635, top, 787, 600}));
    }
    const HallOfFame& record = theRecords.hallOfFame;
    number(target, std::clamp(record.score, 0, 99999), 130, 553 + b, 2);
    number(target, std::clamp(record.lives, 0, 99), 224, 553 + b, 2);
}

// A goal that is off shows the "no goal" field kept below the goals box in its picture (when the
// picture has one) over both number fields of its row, instead of two empty fields.
void goalOff(Surface* target, int rowTop)
{
    const Surface* box = picture(kGoalsPicture);
    if (!box || box->height() < kGoalOffField.bottom)
        return;
    for (int x : {kNeedFieldX, kLeftFieldX})
        blitFast(target, 563 + x - 1, rowTop - 1, box, &kGoalOffField, true);
}

void drawGoalsBox(Surface* target, const World& w, const Digger& d, const Rect& digger)
{
    const int g = s.hudOffset * 19;
    const Rect box{0, g, 237, 188};
    piece(target, 563, 0, kGoalsPicture, box, overlaps(digger, Rect{563, 0, 800, 188 - g}));
    if (w.goldGoalOn == 1) {
        number(target, std::max(0, w.goldGoal - d.goldCollected), 709, 42 - g, 2);
        number(target, w.goldRemaining, 779, 42 - g, 2);
    } else {
        goalOff(target, kGoldFieldY - g);
    }
    if (w.killGoalOn == 1) {
        number(target, std::max(0, w.killGoal - d.enemiesKilled), 709, 115 - g, 2);
        number(target, w.enemiesAlive, 779, 115 - g, 2);
    } else {
        goalOff(target, kKillFieldY - g);
    }
}

} // namespace

void runHud(World& w, const Digger& d, Surface* backBuffer)
{
    if (s.levelEnding == 1)
        s.hudSlide = -1;
    if (!s.hudShown && s.hudSlide == 0)
        return;
    if (elapsedMoreThan(app.frameClock, s.hudTime, kSlideStep)) {
        s.hudTime = app.frameClock;
        slideStep(w);
    }
    glideSelector();
    const Rect digger = diggerOnScreen(w, d);
    if (theCatalogue.difficulty != 0)
        drawWeaponColumn(backBuffer, digger);
    drawScoreStrip(backBuffer, d, digger);
    drawGoalsBox(backBuffer, w, d, digger);
}

void toggleHud()
{
    if (s.hudSlide != 0)
        return;
    if (s.hudShown) {
        s.hudShown = 0;
        s.hudOffset = 0;
        s.hudSlide = -1;
    } else {
        s.hudShown = 1;
        s.hudOffset = kHidden;
        s.hudSlide = 1;
    }
}

void restWeaponSelector()
{
    s.selectorY = selectorRest();
}

} // namespace burrowix
