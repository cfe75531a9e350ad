#include "world/weapons.hpp"

#include <vector>

#include "app/game_keys.hpp"
#include "audio/effect_handles.hpp"
#include "world/enemies.hpp"
#include "world/explosions.hpp"
#include "world/world_events.hpp"
#include "rules_fixture.hpp"

namespace burrowix {
namespace {

class WeaponsTest : public test::RulesTest {
protected:
    // An open 12 x 6 room with the digger at (5, 2) facing right.
    World& room(int difficulty = 1)
    {
        World& r = level({"############",
                          "#..........#",
                          "#..........#",
                          "#..........#",
                          "############",
                          "############"},
                         5, 2, difficulty);
        digger().direction = DirRight;
        return r;
    }
    std::int32_t ammo(int counter) { return theRecords.hallOfFame.ammunition[std::size_t(counter)]; }
    void fire(std::int32_t kind) { placeWeapon(w(), digger(), kind, digger().direction); }
    void afterCooldown() { app.frameClock += Ticks(digger().weaponCooldown); }
    void key(std::uint32_t code, bool down)
    {
        const Message m{down ? MessageType::KeyDown : MessageType::KeyUp, code, 0};
        if (down)
            gameScreenKeyDown(m);
        else
            gameKeyUp(m);
    }
};

TEST_F(WeaponsTest, WeaponsGoWhereTheyShouldAndCostOneEach)
{
    room();
    fire(KindMine);
    EXPECT_EQ(at(4, 2).kind, KindMine) << "a mine goes behind the digger";
    EXPECT_EQ(ammo(1), 10);
    afterCooldown();
    fire(KindShot);
    EXPECT_EQ(at(6, 2).kind, KindShot);
    EXPECT_EQ(at(6, 2).direction, 2);
    EXPECT_EQ(ammo(3), 14);
    EXPECT_EQ(digger().throwFrame, 0);
    afterCooldown();
    digger().direction = DirUp;
    fire(KindGrenade);
    EXPECT_EQ(at(5, 1).kind, KindEmpty) << "no grenade is thrown upwards";
    EXPECT_EQ(ammo(4), 11);
}

TEST_F(WeaponsTest, NothingHappensWithinTheCooldownAtDifficultyZeroOrWithoutAmmunition)
{
    room();
    fire(KindShot);
    digger().direction = DirLeft;
    app.frameClock += Ticks(digger().weaponCooldown - 1);
    fire(KindShot);
    EXPECT_EQ(at(4, 2).kind, KindEmpty) << "within the cooldown";
    EXPECT_EQ(ammo(3), 14) << "and it costs nothing";
    app.frameClock += 1;
    fire(KindShot);
    EXPECT_EQ(at(4, 2).kind, KindShot);

    theRecords.hallOfFame.ammunition[4] = 0;
    afterCooldown();
    fire(KindGrenade);
    EXPECT_EQ(count(KindGrenade), 0);

    test::resetWorldState();
    app.frameClock = kStart;
    room(0);
    fire(KindShot);
    EXPECT_EQ(count(KindShot), 0);
    EXPECT_EQ(ammo(3), 15);
}

TEST_F(WeaponsTest, AFireThatCannotGoSoundsItsNothingCueAtMostEveryQuarterSecondAndCostsNothing)
{
    level({"############",
           "#....:.....#",
           "#..........#",
           "#..........#",
           "############",
           "############"},
          5, 2, 1);
    // The sounds the world reported since the last look.
    auto reported = [] {
        std::vector<WorldSound> sounds;
        for (const WorldEvent& e : world.theWorld->events)
            if (e.kind == WorldEventKind::Sound)
                sounds.push_back(e.sound);
        world.theWorld->events.clear();
        return sounds;
    };
    using Sounds = std::vector<WorldSound>;
    digger().direction = DirUp; // into the earth above
    fire(KindShot);
    EXPECT_EQ(reported(), Sounds{WorldSound::Nothing});
    EXPECT_EQ(digger().failedFireDirection, DirUp);
    EXPECT_EQ(digger().failedFireTime, app.frameClock);
    EXPECT_EQ(ammo(3), 15) << "a failed fire costs nothing";
    app.frameClock += 100;
    fire(KindShot);
    EXPECT_EQ(reported(), Sounds{}) << "a repeat within 250 ms stays quiet";
    app.frameClock += 200;
    fire(KindGrenade); // upwards: never thrown
    EXPECT_EQ(reported(), Sounds{WorldSound::Nothing});
    EXPECT_EQ(ammo(4), 11);

    digger().direction = DirRight; // the mine goes behind, into the free cell on the left
    app.frameClock += 300;
    fire(KindMine);
    for (WorldSound s : reported())
        EXPECT_NE(s, WorldSound::Nothing) << "a mine laid is no failed fire";
    afterCooldown();
    fire(KindShot);
    EXPECT_EQ(at(6, 2).kind, KindShot);
    EXPECT_EQ(reported(), Sounds{WorldSound::Shot}) << "a shot that flies sounds as a shot";

    theRecords.hallOfFame.ammunition[7] = 0;
    afterCooldown();
    fire(KindBottle);
    EXPECT_EQ(reported(), Sounds{WorldSound::Nothing}) << "an empty bottle";
}

TEST_F(WeaponsTest, TheTntKeySetsOffAPlacedTntAndAnotherExplosionFreesTheRemote)
{
    room();
    fire(KindTnt);
    EXPECT_EQ(at(6, 2).kind, KindTnt);
    EXPECT_EQ(theRecords.hallOfFame.placedTnt, index(6, 2));
    EXPECT_EQ(ammo(6), 8);
    digger().direction = DirLeft;
    afterCooldown();
    fire(KindTnt);
    EXPECT_EQ(at(6, 2).kind, KindEmpty) << "the remote sets it off";
    EXPECT_EQ(at(4, 2).kind, KindEmpty) << "and lays nothing";
    EXPECT_EQ(ammo(6), 8);
    EXPECT_EQ(theRecords.hallOfFame.placedTnt, 0);
    EXPECT_EQ(digger().dead, 0) << "it stood one cell away at difficulty 1: one hit";

    afterCooldown();
    fire(KindTnt);
    EXPECT_EQ(at(4, 2).kind, KindTnt) << "the next press lays a new one";
    at(3, 1).makeKind(KindMine, DirLeft);
    explodeAround(w(), digger(), index(3, 1));
    EXPECT_EQ(at(4, 2).kind, KindEmpty) << "the chain took the TNT";
    EXPECT_EQ(theRecords.hallOfFame.placedTnt, 0);
    afterCooldown();
    fire(KindTnt);
    EXPECT_EQ(at(4, 2).kind, KindTnt);
}

TEST_F(WeaponsTest, ARemoteWhoseTntWasBlastedAwayLaysANewOneInsteadOfBlowingUpItsOldCell)
{
    room();
    fire(KindTnt);
    // The blast stone's screen blast destroys the TNT without going through the chain.
    explodeSingle(w(), digger(), index(6, 2));
    at(6, 1).makeKind(KindMine, DirLeft);
    digger().direction = DirLeft;
    afterCooldown();
    fire(KindTnt);
    EXPECT_EQ(at(4, 2).kind, KindTnt);
    EXPECT_EQ(at(6, 1).kind, KindMine) << "nothing exploded at the old place";
}

TEST_F(WeaponsTest, HoldingSpaceWithTntSelectedPlacesOneUntilTheKeyIsReleased)
{
    room();
    gameScreen.currentWeapon = 3;
    key(Key::Space, true);
    EXPECT_EQ(at(6, 2).kind, KindTnt);
    afterCooldown();
    key(Key::Space, true); // auto-repeat while held
    EXPECT_EQ(at(6, 2).kind, KindTnt);
    key(Key::Space, false);
    key(Key::Space, true);
    EXPECT_EQ(at(6, 2).kind, KindEmpty) << "a fresh press sets it off";
}

TEST_F(WeaponsTest, ArrowsLastPressedWinsAndTabCyclesWeaponsOnlyWithAWeaponColumn)
{
    room();
    key(Key::Left, true);
    key(Key::Up, true);
    key(Key::Left, false);
    EXPECT_EQ(gameScreen.heldUp, 1);
    EXPECT_EQ(gameScreen.heldLeft, 0);
    EXPECT_EQ(gameScreen.wantedDirection, 1);
    for (int i = 0; i < 5; ++i)
        key(Key::Tab, true);
    EXPECT_EQ(gameScreen.currentWeapon, 0);
    key(Key::Tab, true);
    EXPECT_EQ(gameScreen.currentWeapon, 1);
    theCatalogue.difficulty = 0;
    key(Key::Tab, true);
    EXPECT_EQ(gameScreen.currentWeapon, 1);
    key(Key::F9, true);
    EXPECT_EQ(digger().dead, 1) << "F9 gives up";
}

TEST_F(WeaponsTest, GivingUpKillsTheDiggerEvenWhileItBlinksFromAHit)
{
    room(1);
    hitDigger(w(), digger());
    ASSERT_EQ(digger().invulnerable, 1);
    ASSERT_EQ(digger().health, 3);
    key(Key::F9, true);
    EXPECT_EQ(digger().dead, 1) << "F9 within the blink still gives up";
    EXPECT_EQ(w().diggerDead, 1);
}

TEST_F(WeaponsTest, SuperModeBlastsWhatItMeetsAndCannotBeHurt)
{
    level({"##########",
           "#::::::::#",
           "#:..O..w:#",
           "#:...:::##",
           "##########",
           "##########"},
          4, 3, 2);
    fire(KindBottle);
    EXPECT_EQ(digger().superMode, 1);
    EXPECT_EQ(ammo(7), 7);
    // A stone dropped on the digger, an explosion next to it, an enemy stepping into it.
    at(4, 2).arrived = 1;
    at(4, 2).direction = DirDown;
    frame();
    EXPECT_EQ(digger().health, 5);
    explodeAround(w(), digger(), index(3, 3));
    EXPECT_EQ(digger().health, 5);
    EXPECT_EQ(digger().dead, 0);
    Cell& walker = at(5, 3);
    walker.kind = KindWalker;
    walker.isEnemy = walker.solid = 1;
    enemyMove(w(), digger(), DirLeft, index(5, 3));
    EXPECT_EQ(at(5, 3).kind, KindEmpty) << "the enemy explodes against the digger";
    EXPECT_EQ(digger().health, 5);
    app.frameClock += 3001;
    frame();
    EXPECT_EQ(digger().superMode, 0) << "super mode ends after three seconds";
}

TEST_F(WeaponsTest, InSuperModeTheDiggerBlastsItsWayThroughEnemiesAndEarth)
{
    level({"#######",
           "#::e.:#",
           "#:::::#",
           "#######",
           "#######"},
          4, 1, 2);
    digger().direction = DirLeft;
    fire(KindBottle);
    key(Key::Left, true);
    frames(30);
    EXPECT_EQ(count(KindEgg), 0);
    EXPECT_EQ(digger().enemiesKilled, 1);
    EXPECT_LT(digger().x, 3) << "it walked on through the egg's cell";
    EXPECT_EQ(digger().health, 5);
    EXPECT_EQ(digger().dead, 0);
}

TEST_F(WeaponsTest, ChainsRunThroughMineTntAndBombAndReachTenOrFiftyLinks)
{
    level({"##########",
           "#::::::::#",
           "#::mTb:::#",
           "#::::::::#",
           "##########",
           "##########"},
          1, 1);
    explodeAround(w(), digger(), index(3, 2));
    EXPECT_EQ(count(KindMine) + count(KindTnt) + count(KindBomb), 0);
    EXPECT_EQ(at(6, 3).kind, KindEmpty) << "around the bomb at the end of the chain";
    EXPECT_EQ(at(7, 2).kind, KindEarth);

    // A row of 30 mines set off at its right end: the chain moves one link left per pass.
    for (int passes : {10, 50}) {
        test::resetWorldState();
        app.frameClock = kStart;
        std::vector<std::string> rows = {std::string(34, '#'), "#" + std::string(32, '.') + "#",
                                         "#" + std::string(32, '.') + "#", std::string(34, '#'),
                                         std::string(34, '#')};
        for (int x = 2; x < 32; ++x)
            rows[2][std::size_t(x)] = 'm';
        level(rows, 1, 1);
        if (passes == 10)
            explodePair(w(), digger(), 0, index(31, 2), 0);
        else
            explodeAround(w(), digger(), index(31, 2));
        EXPECT_EQ(count(KindMine), passes == 10 ? 30 - 11 : 0);
    }
}

TEST_F(WeaponsTest, AnExplosionHurtsTheDiggerOnlyWhenItReachesTheDiggersCell)
{
    level({"##############",
           "#:::::::::::b#",
           "#..::::::::::#",
           "#::::::::::::#",
           "##############",
           "##############"},
          1, 2, 2);
    // Blast the earth ahead and walk into it while its explosion picture still plays.
    explodeSingle(w(), digger(), index(3, 2));
    key(Key::Right, true);
    for (int f = 0; f < 40 && digger().x != 3; ++f)
        frame();
    key(Key::Right, false);
    for (int f = 0; f < 40 && digger().moving; ++f)
        frame();
    ASSERT_EQ(digger().x, 3);
    ASSERT_EQ(at(3, 2).exploding, 1);
    explodeAround(w(), digger(), index(12, 1));
    EXPECT_EQ(digger().health, 5) << "a blast at the far end does not reach the digger";
    // A blast next to it still does, burning cell or not.
    explodeAround(w(), digger(), index(4, 2));
    EXPECT_EQ(digger().health, 4);
}

TEST_F(WeaponsTest, TheScreenBlastClearsTheFourteenByNineBlockButNotTreasures)
{
    std::vector<std::string> rows(20, std::string(30, ':'));
    rows[5][5] = '$';
    rows[6][6] = '#';
    level(rows, 0, 0);
    screenBlast(w(), digger());
    int cleared = 0;
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < 20; ++y)
            cleared += at(x, y).kind == KindEmpty && !(x == 0 && y == 0);
    EXPECT_EQ(cleared, 14 * 9 - 2);
    EXPECT_EQ(at(3, 3).kind, KindEmpty);
    EXPECT_EQ(at(16, 11).kind, KindEmpty);
    EXPECT_EQ(at(17, 11).kind, KindEarth);
    EXPECT_EQ(at(16, 12).kind, KindEarth);
    EXPECT_EQ(at(5, 5).kind, KindGold);
    EXPECT_EQ(at(6, 6).kind, KindWall);
}

} // namespace
} // namespace burrowix
