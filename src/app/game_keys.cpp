#include "app/game_keys.hpp"

#include "app/game_pause.hpp"
#include "app/hud.hpp"
#include "app/message_panels.hpp"
#include "app/replay_watching.hpp"
#include "app/replay_recording.hpp"
#include "app/pack_catalogue.hpp"
#include "app/world_reports.hpp"
#include "audio/effect_handles.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/key_bindings.hpp"
#include "state/level_presentation_state.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/weapons.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kWeaponCount = 5;
constexpr int kTntWeapon = 3;

// The action of a key: the player's bindings for the keyboard, the default layout for a controller.
int actionOf(const Message& message)
{
    return message.fromController() ? KeyBindings::defaultActionOf(message.wParam)
                                    : keyBindings.actionOf(message.wParam);
}

// Arrows are numbered left, up, right, down, as the move actions are.
int arrowOf(int action)
{
    return action >= ActionLeft && action <= ActionDown ? action - ActionLeft : -1;
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

// What an action does, at the frame clock.
void actOn(int action)
{
    Digger& d = *world.theDigger;
    if (const int arrow = arrowOf(action); arrow >= 0) {
        d.lastInputTime = app.frameClock;
        gameScreen.showPointer = 0;
        gameScreen.pressArrow(arrow);
        return;
    }
    switch (action) {
    case ActionNextWeapon:
        if (theCatalogue.difficulty != 0) {
            playEffect(theEffects.effectWeaponChange);
            if (!gameScreen.frozen)
                gameScreen.currentWeapon = (gameScreen.currentWeapon + 1) % kWeaponCount;
        }
        break;
    case ActionFire:
        if (!gameScreen.frozen) {
            d.lastInputTime = app.frameClock;
            fire(gameScreen.currentWeapon);
        }
        break;
    case ActionHud: toggleHud(); break;
    case ActionShots:
    case ActionGrenades:
    case ActionMines:
    case ActionTnt:
    case ActionBottle: fire(action - ActionShots); break;
    case ActionGiveUp:
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

} // namespace

int weaponKind(int weapon)
{
    static constexpr int kKinds[kWeaponCount] = {KindShot, KindGrenade, KindMine, KindTnt, KindBottle};
    return weapon >= 0 && weapon < kWeaponCount ? kKinds[weapon] : -1;
}

void gameScreenKeyDown(const Message& message)
{
    if (replayIsPlaying()) {
        replayKeyDown(message.wParam);
        return;
    }
    if (!world.theDigger || pauseKeyDown(message) || panelKeyDown(message.wParam))
        return;
    if (message.wParam == Key::Escape) {
        openExitPanel();
        return;
    }
    gameActionDown(actionOf(message));
}

void replayActionDown(int action)
{
    // The panels take a replayed action as they took the key that made it.
    if (!world.theDigger || panelKeyDown(0))
        return;
    gameActionDown(action);
}

void gameActionDown(int action)
{
    if (!world.theDigger)
        return;
    recordActionDown(action);
    // While an attempt is recorded, an action acts at the last frame's clock, as it does when the
    // replay is watched.
    const Ticks now = app.frameClock;
    app.frameClock = actionClock(now);
    actOn(action);
    app.frameClock = now;
}

void gameKeyUp(const Message& message)
{
    if (!replayIsPlaying())
        gameActionUp(actionOf(message));
}

void gameActionUp(int action)
{
    recordActionUp(action);
    if (const int arrow = arrowOf(action); arrow >= 0)
        gameScreen.releaseArrow(arrow);
    else if ((action == ActionTnt || (action == ActionFire && gameScreen.currentWeapon == kTntWeapon)) && world.theWorld)
        world.theWorld->tntLatch = false;
}

} // namespace burrowix
