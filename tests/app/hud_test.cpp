// The HUD over the field: a part the digger is under lets the field show through it, the others
// stay solid.

#include "app/hud.hpp"

#include <memory>
#include <tuple>

#include "game_screen_fixture.hpp"
#include "platform/display/blit.hpp"
#include "state/picture_tables.hpp"

namespace burrowix {
namespace {

// A 40 x 30 hall with the digger at (x, y).
std::string hall(int x, int y, const std::string& goals = "gold 0 0\nkill 0 0\n")
{
    std::string map = goals + "start " + std::to_string(x) + " " + std::to_string(y) + "\nmap\n";
    map += std::string(40, '#') + "\n";
    for (int row = 1; row < 29; ++row)
        map += "#" + std::string(38, '.') + "#\n";
    return map + std::string(40, '#') + "\nend\n";
}

class HudTest : public test::GameScreenFixture {
protected:
    static constexpr std::uint32_t kField = 0x202080;
    static constexpr std::uint32_t kNoGoal = 0xC0C040;

    // The back buffer after a frame of play with the HUD shown, the digger started at (x, y) and
    // walked `steps` cells in `direction` (the view stops at the level's edge, the digger goes on).
    void playAt(int x, int y, std::uint32_t direction = 0, int steps = 0, const std::string& level = "")
    {
        startGame(1, {level.empty() ? hall(x, y) : level});
        dismissStartPanels();
        if (steps > 0) {
            keyDown(direction);
            const int target = direction == Key::Right ? x + steps : y + steps;
            ASSERT_TRUE(runUntil([&] {
                const Digger& d = *world.theDigger;
                return (direction == Key::Right ? d.x : d.y) >= target && !d.moving;
            }));
            keyUp(direction);
            runFor(300);
        }
        // The test packs' pictures are tiny; the score strip and the goals box get full-sized
        // flat ones.
        // The goals box keeps its "no goal" field below the box.
        for (auto [slot, w, h] : {std::tuple{1, 245, 57 * 7}, std::tuple{20, 237, 220}}) {
            auto surface = std::make_unique<Surface>(w, h);
            fillRect(surface.get(), nullptr, surface->mapRgb(0x30A050));
            thePictures.interfaceImages[std::size_t(slot)] = std::move(surface);
        }
        Surface* goals = thePictures.interfaceImages[20].get();
        const Rect offField{0, 188, 56, 220};
        fillRect(goals, &offField, goals->mapRgb(kNoGoal));
        levelPresentation.hudShown = 1;
        levelPresentation.hudSlide = 0;
        levelPresentation.hudOffset = 0;
        // The frame starts cleared, as the program's frame does (the test packs' tiny background
        // pictures leave most of the field undrawn).
        fillRect(theDisplay.backBuffer.get(), nullptr, theDisplay.backBuffer->mapRgb(kField));
        frame();
    }
    std::uint32_t pixel(int x, int y) const { return theDisplay.backBuffer->pixel(x, y); }
};

TEST_F(HudTest, ThePartTheDiggerIsUnderShowsTheFieldThroughAndTheOthersStaySolid)
{
    // Points of the goals box and of the score strip that lie over tunnel cells, away from the
    // digger and from the counts.
    constexpr int goalsX = 600, goalsY = 170, scoreX = 20, scoreY = 590;
    playAt(2, 9); // under no HUD part
    const std::uint32_t solidGoals = pixel(goalsX, goalsY);
    const std::uint32_t solidScore = pixel(scoreX, scoreY);
    const std::uint32_t field = pixel(300, 300);
    ASSERT_NE(solidGoals, field) << "the goals box covers the field";

    playAt(30, 1, Key::Right, 8); // under the goals box at the top right
    EXPECT_NE(pixel(goalsX, goalsY), solidGoals) << "the goals box lets the field through";
    EXPECT_NE(pixel(goalsX, goalsY), field) << "but still shows itself";
    EXPECT_EQ(pixel(scoreX, scoreY), solidScore) << "the score strip stays solid";

    playAt(1, 20, Key::Down, 8); // under the score strip at the bottom left
    EXPECT_EQ(pixel(goalsX, goalsY), solidGoals);
    EXPECT_NE(pixel(scoreX, scoreY), solidScore);
}

TEST_F(HudTest, AGoalThatIsOffShowsTheNoGoalFieldInsteadOfEmptyNumbers)
{
    // Points inside the need and left fields of the gold row and of the kill row.
    const int goldY = 39 + 15, killY = 112 + 15;
    auto noGoal = [&](int y) {
        const std::uint32_t mark = theDisplay.backBuffer->mapRgb(kNoGoal);
        return pixel(563 + 110 + 27, y) == mark && pixel(563 + 180 + 27, y) == mark;
    };

    playAt(2, 9); // both goals off
    EXPECT_TRUE(noGoal(goldY));
    EXPECT_TRUE(noGoal(killY));
    EXPECT_NE(pixel(563 + 100, goldY), theDisplay.backBuffer->mapRgb(kNoGoal)) << "only the fields";

    std::string gold = hall(2, 9, "gold 1 1\nkill 0 0\n");
    gold[gold.find('.', gold.find("map"))] = '$';
    playAt(2, 9, 0, 0, gold);
    EXPECT_FALSE(noGoal(goldY)) << "the gold goal is on: its numbers show";
    EXPECT_TRUE(noGoal(killY));
}

} // namespace
} // namespace burrowix
