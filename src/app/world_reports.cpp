#include "app/world_reports.hpp"

#include "app/pack_catalogue.hpp"
#include "app/replay_watching.hpp"
#include "app/test_play.hpp"
#include "audio/effect_handles.hpp"
#include "records/records.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

int effectOf(WorldSound sound)
{
    const EffectHandles& e = theEffects;
    switch (sound) {
    case WorldSound::Explosion: return e.effectExplosion;
    case WorldSound::StoneFall: return e.effectStoneFall;
    case WorldSound::NuggetFall: return e.effectNuggetFall;
    case WorldSound::Nugget: return e.effectNugget;
    case WorldSound::Mineral1: return e.effectMineral1;
    case WorldSound::Mineral2: return e.effectMineral2;
    case WorldSound::Mineral3: return e.effectMineral3;
    case WorldSound::AddWeapon1: return e.effectAddWeapon1;
    case WorldSound::AddWeapon2: return e.effectAddWeapon2;
    case WorldSound::AddWeapon3: return e.effectAddWeapon3;
    case WorldSound::Mine: return e.effectMine;
    case WorldSound::Shot: return e.effectShot;
    case WorldSound::Grenade: return e.effectGrenade;
    case WorldSound::Tnt: return e.effectTnt;
    case WorldSound::Bottle: return e.effectBottle;
    case WorldSound::Life: return e.effectLife;
    case WorldSound::Nothing: return e.effectNothing;
    case WorldSound::Dig: return -1; // one of three variants, chosen by playDigEffect
    }
    return -1;
}

// The level ends: the panel starts, the game holds, the winner sounds and, when this was the last
// level open, the next one opens.
void levelWon(const World& w)
{
    levelPresentation.levelEnding = 1;
    gameScreen.frozen = 1;
    playEffect(theEffects.effectWinner);
    const int pack = w.difficulty;
    // The own levels are all open; their wins open nothing in the shipped packs, nor do a replay's
    // or a test play's.
    if (!theCatalogue.ownPackSelected && !replayIsPlaying() && !testPlayRunning() &&
        w.levelIndex == theRecords.progress.unlockedLevels(pack) - 1)
        theRecords.progress.recordWin(pack, w.levelIndex);
}

// The died panel starts from above the screen, the HUD slides away, the pointer hides.
void diggerDead()
{
    gameScreen.showPointer = 0;
    levelPresentation.panelStep = 0;
    levelPresentation.panelY = -300;
    levelPresentation.hudSlide = -1;
}

} // namespace

Arrows heldArrows()
{
    Arrows a;
    a.held[0] = gameScreen.heldLeft != 0;
    a.held[1] = gameScreen.heldUp != 0;
    a.held[2] = gameScreen.heldRight != 0;
    a.held[3] = gameScreen.heldDown != 0;
    a.wanted = toDirection(gameScreen.wantedDirection);
    return a;
}

void prepareWorldForShell(World& w)
{
    w.effectsHeard = soundWouldPlay();
}

void applyWorldEvents(World& w)
{
    for (const WorldEvent& e : w.events) {
        switch (e.kind) {
        case WorldEventKind::Sound:
            if (e.sound == WorldSound::Dig)
                playDigEffect();
            else
                playEffect(effectOf(e.sound));
            break;
        case WorldEventKind::LevelWon: levelWon(w); break;
        case WorldEventKind::DiggerDead: diggerDead(); break;
        case WorldEventKind::DiggerHit: break; // the blink is the digger's own
        }
    }
    w.events.clear();
}

} // namespace burrowix
