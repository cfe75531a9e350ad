// When the level's background covers the whole screen, the game frame skips the clear before it:
// nothing that was in the back buffer may then show through, and the skip must be refused wherever
// the background leaves a gap or moves before it is drawn.
#include <memory>
#include <string>

#include "game_screen_fixture.hpp"
#include "platform/display/blit.hpp"
#include "state/picture_tables.hpp"

namespace burrowix {
namespace {

class GameFrameCoverTest : public test::GameScreenFixture {
protected:
    static constexpr std::uint32_t kJunk = 0x123457;

    // A walled level of earth `width` x `height` cells, the digger in its middle.
    static std::string earthLevel(int width, int height)
    {
        std::string map = "gold 0 0\nkill 0 0\nstart " + std::to_string(width / 2) + " " +
                          std::to_string(height / 2) + "\nmap\n" + std::string(std::size_t(width), '#') + "\n";
        for (int y = 1; y + 1 < height; ++y)
            map += "#" + std::string(std::size_t(width - 2), ':') + "#\n";
        return map + std::string(std::size_t(width), '#') + "\nend\n";
    }

    // The test packs' background pictures are tiny: full-sized sheets for every look.
    static void fullSizedBackgrounds()
    {
        for (int slot : {kSlotBackground, kSlotBlockBackground}) {
            auto sheet = std::make_unique<Surface>(800, 600);
            fillRect(sheet.get(), nullptr, sheet->mapRgb(0x405060));
            thePictures.spriteImages[std::size_t(slot)] = std::move(sheet);
        }
    }

    int junkPixels() const
    {
        const Surface& back = *theDisplay.backBuffer;
        int count = 0;
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                count += (back.pixel(x, y) & 0xFFFFFF) == back.mapRgb(kJunk);
        return count;
    }
    void junkFrame()
    {
        fillRect(theDisplay.backBuffer.get(), nullptr, theDisplay.backBuffer->mapRgb(kJunk));
        frame();
    }
};

TEST_F(GameFrameCoverTest, ACoveredFrameHidesWhateverWasInTheBackBuffer)
{
    startGame(1, {earthLevel(40, 30)});
    dismissStartPanels();
    fullSizedBackgrounds();
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(gameFrameCoversScreen());
        junkFrame();
        EXPECT_EQ(junkPixels(), 0) << "frame " << i;
    }

    // Walking to the right scrolls the view: no skip while the blocks glide.
    keyDown(Key::Right);
    ASSERT_TRUE(runUntil([] { return world.theWorld->scrolling != 0; }));
    EXPECT_FALSE(gameFrameCoversScreen());
    keyUp(Key::Right);

    // A picture that is not there leaves its blocks undrawn.
    ASSERT_TRUE(runUntil([] { return world.theWorld->scrolling == 0 && !world.theDigger->moving; }));
    ASSERT_TRUE(gameFrameCoversScreen());
    thePictures.spriteImages[std::size_t(kSlotBackground)]->markLost();
    thePictures.spriteImages[std::size_t(kSlotBlockBackground)]->markLost();
    EXPECT_FALSE(gameFrameCoversScreen());
    thePictures.spriteImages[std::size_t(kSlotBackground)].reset();
    thePictures.spriteImages[std::size_t(kSlotBlockBackground)].reset();
    EXPECT_FALSE(gameFrameCoversScreen());
}

TEST_F(GameFrameCoverTest, GapsTinyPicturesAndPausesKeepTheClear)
{
    // Smaller than the screen: the background ends with the level.
    startGame(1, {earthLevel(12, 8)});
    dismissStartPanels();
    fullSizedBackgrounds();
    EXPECT_FALSE(gameFrameCoversScreen());

    startGame(1, {earthLevel(40, 30)});
    dismissStartPanels();
    // The test packs' own 4 x 3 pictures cover next to nothing.
    EXPECT_FALSE(gameFrameCoversScreen());
    fullSizedBackgrounds();
    ASSERT_TRUE(gameFrameCoversScreen());
    app.paused = 1;
    EXPECT_FALSE(gameFrameCoversScreen());
    app.paused = 0;
    EXPECT_TRUE(gameFrameCoversScreen());
}

} // namespace
} // namespace burrowix
