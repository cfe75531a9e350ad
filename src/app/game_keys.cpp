#include "app/game_keys.hpp"

#include "app/hud.hpp"
#include "app/message_panels.hpp"
#include "app/pack_catalogue.hpp"
#include "app/world_reports.hpp"
#include "audio/effect_handles.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/weapons.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kWeaponCount = 5;
constexpr int kTntWeapon = 3;

int arrowOf(std::uint32_t key)
{
    switch (key) {
    case Key::Left: return 0;
    case Key::Up: return 1;
    case Key::Right: return 2;
    case Key::Down: return 3;
    default: return -1;
    }
}

// Fires a weapon of the HUD; the TNT only while its latch is open, and it closes the latch.
void fire(int weapon)
{
    if (gameScreen.frozen || !world.theWorld || !world.theDigger)
        return;
    World& w = *world.theWorld;
    if (weapon == kTntWeapon) {
        if (w.tntLatch)
            return;
        w.tntLatch = true;
    }
    Digger& d = *world.theDigger;
    prepareWorldForShell(w);
    placeWeapon(w, d, weaponKind(weapon), d.direction);
    applyWorldEvents(w);
}

} // namespace

int weaponKind(int weapon)
{
    static constexpr int kKinds[kWeaponCount] = {KindShot, KindGrenade, KindMine, KindTnt, KindBottle};
    return weapon >= 0 && weapon < kWeaponCount ? kKinds[weapon] : -1;
}

void gameScreenKeyDown(const Message& message)
{
    if (!world.theDigger || panelKeyDown(message.wParam))
        return;
    Digger& d = *world.theDigger;
    const std::uint32_t key = message.wParam;
    if (const int arrow = arrowOf(key); arrow >= 0) {
        d.lastInputTime = app.frameClock;
        gameScreen.showPointer = 0;
        gameScreen.pressArrow(arrow);
        return;
    }
    switch (key) {
    case Key::Tab:
        if (theCatalogue.difficulty != 0) {
            playEffect(theEffects.effectWeaponChange);
            if (!gameScreen.frozen)
                gameScreen.currentWeapon = (gameScreen.currentWeapon + 1) % kWeaponCount;
        }
        break;
    case Key::Escape: openExitPanel(); break;
    case Key::Space:
        if (!gameScreen.frozen) {
            d.lastInputTime = app.frameClock;
            fire(gameScreen.currentWeapon);
        }
        break;
    case Key::Insert: toggleHud(); break;
    case Key::F1:
    case Key::F1 + 1:
    case Key::F1 + 2:
    case Key::F4:
    case Key::F5: fire(int(key - Key::F1)); break;
    case Key::F9:
        d.lastInputTime = app.frameClock;
        gameScreen.showPointer = 0;
        d.health = 1;
        // Giving up always kills: a hit's blink would otherwise swallow the hit and leave the
        // digger alive on its last hit point.
        d.invulnerable = 0;
        d.blinkPhase = false;
        if (world.theWorld) {
            prepareWorldForShell(*world.theWorld);
            hitDigger(*world.theWorld, d);
            applyWorldEvents(*world.theWorld);
        }
        break;
    default: break;
    }
}

void gameKeyUp(const Message& message)
{
    const std::uint32_t key = message.wParam;
    if (const int arrow = arrowOf(key); arrow >= 0)
        gameScreen.releaseArrow(arrow);
    else if ((key == Key::F4 || (key == Key::Space && gameScreen.currentWeapon == kTntWeapon)) && world.theWorld)
        world.theWorld->tntLatch = false;
}

} // namespace burrowix
