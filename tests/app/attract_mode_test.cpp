// The attract mode's wake-up: the main menu is a still screen whose loop sleeps up to 500 ms at a
// time, so the idle time must bound that sleep until it runs out, and stop bounding it once no
// replay was found.
#include "app/attract_mode.hpp"

#include <gtest/gtest.h>

#include "app/pack_catalogue.hpp"
#include "state/app_state.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

class AttractWakeUp : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.reset();
        resetAttractMode();
        theCatalogue.folder = empty.path().string();
        // The idle time starts when the main menu is entered (seen last on another screen).
        app.currentScreen = ScreenLogo;
        runAttractMode(1000);
        app.currentScreen = ScreenMainMenu;
    }
    void TearDown() override
    {
        theCatalogue.folder.clear();
        resetAttractMode();
        app.reset();
    }
    test::TempDir empty;
};

TEST_F(AttractWakeUp, TheIdleTimeBoundsTheSleepOnTheMainMenuOnly)
{
    EXPECT_EQ(msUntilAttract(1000, 500), 500);
    EXPECT_EQ(msUntilAttract(1000 + kAttractIdleTime - 200, 500), 201) << "due more than 30 s after";
    EXPECT_EQ(msUntilAttract(1000 + kAttractIdleTime + 1, 500), 0);
    EXPECT_EQ(msUntilAttract(1000 + kAttractIdleTime + 400, 500), 0) << "overdue";
    app.currentScreen = ScreenOptions;
    EXPECT_EQ(msUntilAttract(1000 + kAttractIdleTime - 200, 500), 500);
}

TEST_F(AttractWakeUp, WithNoReplayFoundTheMainMenuStaysAndSleepsAgain)
{
    runAttractMode(1000 + kAttractIdleTime);
    EXPECT_EQ(app.currentScreen, ScreenMainMenu) << "not due yet";
    runAttractMode(1001 + kAttractIdleTime);
    EXPECT_EQ(app.currentScreen, ScreenMainMenu);
    EXPECT_FALSE(attractIsPlaying());
    EXPECT_EQ(msUntilAttract(1001 + 3 * kAttractIdleTime, 500), 500) << "nothing left to wake for";
}

} // namespace
} // namespace burrowix
