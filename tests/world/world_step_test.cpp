#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/display/blit.hpp"
#include "platform/display/surface.hpp"
#include "support/drawn_world.hpp"
#include "world/cell_drawing.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/egg_hatching.hpp"
#include "world/world_step.hpp"

namespace burrowix {
namespace {

using test::indexSheet;

// Every cell field the rules and the drawing read, and the random generator's state.
std::vector<std::int64_t> snapshot(const World& w, const Digger& d)
{
    std::vector<std::int64_t> v{theRandom.state, d.x, d.y, d.frame, d.idleFrame, d.pose, d.superMode, d.dead};
    for (const Cell& c : w.cells)
        v.insert(v.end(), {c.kind, c.param, c.offsetX, c.offsetY, c.moving, c.frame, c.frameB, c.animHalf,
                           c.eggState, c.exploding, c.blastFrame, std::int64_t(c.glintTime), std::int64_t(c.frameTime)});
    return v;
}

class WorldStepTest : public test::DrawnWorldTest {
protected:
    // Plays a busy level for `frames` frames, drawing each frame's picture with every sheet present
    // when `drawn`, and returns the state after every frame.
    std::vector<std::vector<std::int64_t>> play(bool drawn, int frames)
    {
        test::resetWorldState();
        std::unique_ptr<Surface> target;
        if (drawn) {
            loadCellSheets();
            thePictures.diggerPicture = indexSheet(9, 20);
            target = std::make_unique<Surface>(800, 600);
        }
        app.frameClock = 10000;
        World& w = test::startWorld(test::levelFromMap({"##################", "#:$:O:c:$:+:w:$:m#", "#...e.......e....#",
                                                        "#:0:1:b:T:s:S:M::#", "#::::$::O::$:::::#", "#:::::::::::::::.#",
                                                        "##################"},
                                                       1, 2));
        beginMove(w, *world.theDigger, DirRight); // the step to (2, 2) wakes the egg two cells on
        std::vector<std::vector<std::int64_t>> states;
        for (int i = 0; i < frames; ++i) {
            step(target.get());
            states.push_back(snapshot(w, *world.theDigger));
        }
        if (target) {
            EXPECT_NE(test::squareAt(*target, 3 * 40 + 5, 1 * 40 + 5), std::make_pair(-1, -1))
                << "the level was drawn from the sheets";
        }
        return states;
    }
};

TEST_F(WorldStepTest, TheReportsOfABusyLevelFitTheRoomTheSetUpGaveThem)
{
    // The shell empties the list after every step, as here: the list set up with the level is the
    // one every frame reports into, however much falls, explodes and sounds.
    app.frameClock = 10000;
    World& w = test::startWorld(test::levelFromMap({"##########", "#OOOOOOOO#", "#$$$$$$$$#", "#........#", "#bbbbbbbb#",
                                                    "#........#", "##########"},
                                                   1, 3));
    const WorldEvent* const list = w.events.data();
    ASSERT_GE(w.events.capacity(), kEventsReserved);
    std::size_t reported = 0;
    for (int i = 0; i < 200; ++i) {
        step(nullptr);
        reported += w.events.size();
        EXPECT_EQ(w.events.data(), list) << "frame " << i;
        w.events.clear();
    }
    EXPECT_GT(reported, 0u) << "the level reported nothing, so it tested nothing";
}

TEST_F(WorldStepTest, ThePictureChangesNothingTheRulesSee)
{
    // With every picture present the drawing walks all its paths; the rules must end up the same
    // frame by frame as without any picture, down to the random numbers drawn.
    const auto headless = play(false, 400);
    const auto drawn = play(true, 400);
    ASSERT_EQ(drawn.size(), headless.size());
    for (std::size_t i = 0; i < drawn.size(); ++i)
        ASSERT_EQ(drawn[i], headless[i]) << "frame " << i;
    EXPECT_NE(headless.front(), headless.back()) << "the level moved on";
}

TEST_F(WorldStepTest, TheBackgroundLeftOutUnderKeyFreeCellsChangesNoPixel)
{
    // Half the squares of every sheet get a key pixel: cells drawn from the others hide the
    // background, which is then not drawn under them. Frame by frame, with the view scrolling and
    // stones, enemies, blasts and watching eyes on the move, the picture must be the one drawn with
    // the whole background, and no pixel may keep what lay on the target before the frame.
    constexpr std::uint32_t kEyesPixel = 0xE1E5E5u;
    int eyesShown = 0;
    auto play = [&](bool keylessNoted, int& coveredFrames, int& scrolledFrames) {
        test::resetWorldState();
        loadCellSheets();
        thePictures.diggerPicture = indexSheet(9, 20);
        for (auto& sheet : thePictures.spriteImages)
            for (int row = 0; row < 16; ++row)
                for (int col = row % 2 == 0 ? 1 : 0; col < 20; col += 2)
                    sheet->setPixel(col * 40 + 7, row * 40 + 9, 0);
        noteKeylessSprites(thePictures);
        if (!keylessNoted)
            thePictures.spriteKeyless = {};
        app.frameClock = 10000;
        World& w = test::startWorld(test::levelFromMap(
            {"##############################", "#::::::::::::::::::::::::::::#", "#............................#",
             "#:::::OOO:::::$$$::::::::O:::#", "#:::::::::::::::::::::::::::.#", "#::c.....::::::::w......:::::#",
             "#::::::::::::::::::::::::::::#", "#:b:T:s:S:M:::::::::::::O::::#", "#::::::::::::::::::::::::::::#",
             "#::::$::::::::::::::::$::::::#", "#::::::::::::::::::::::::::::#", "#:::::::::e::::::::::::::::::#",
             "#::::::::::::::::::::::::::::#", "#::::::::::::::::::::::::::::#", "#::::::::::::::::::::::::::::#",
             "#::::::::::::::::::::::::::::#", "#::::::::::::::::::::::::::::#", "##############################"},
            1, 2));
        // Every other block shows the watching eyes, whose whites are keyed too.
        auto eyes = indexSheet(7, 6);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 280; ++x)
                eyes->setPixel(x, y, (x + y * 3) % 5 == 0 ? 0 : kEyesPixel);
        thePictures.interfaceImages[assets::interfaceSlot(assets::PictureId::Eyes)] = std::move(eyes);
        for (BackgroundBlock& b : w.blocks)
            if ((b.blockX + b.blockY) % 2 == 1)
                b.picture = kEyesPicture;
        Surface target(800, 600);
        std::vector<std::uint64_t> digests;
        coveredFrames = 0;
        scrolledFrames = 0;
        for (int i = 0; i < 300; ++i) {
            app.frameClock += kFrameMs;
            FrameInput in;
            in.now = app.frameClock;
            in.view = drawRange(w);
            in.arrows.held[DirRight] = i < 200; // right along the tunnel: the view scrolls after a while
            in.arrows.wanted = DirRight;
            fillRect(&target, nullptr, 0x777777u);
            coveredFrames += coveredCells(w, &target).cells.count() > 100 ? 1 : 0;
            stepWorld(w, *world.theDigger, in, &target);
            w.events.clear();
            scrolledFrames += w.scrollOffsetX != 0 || w.scrollOffsetY != 0 ? 1 : 0;
            std::uint64_t h = 1469598103934665603ull;
            for (int y = 0; y < 600; ++y)
                for (int x = 0; x < 800; ++x) {
                    const std::uint32_t p = target.pixel(x, y);
                    EXPECT_NE(p, 0x777777u) << "frame " << i << " left (" << x << ", " << y << ") undrawn";
                    if (p == 0x777777u)
                        return digests;
                    eyesShown += p == kEyesPixel ? 1 : 0;
                    h = (h ^ p) * 1099511628211ull;
                }
            digests.push_back(h);
        }
        return digests;
    };
    int coveredFrames = 0, uncovered = 0, scrolledFrames = 0;
    const auto whole = play(false, uncovered, scrolledFrames);
    const auto lessBackground = play(true, coveredFrames, scrolledFrames);
    EXPECT_GT(scrolledFrames, 0) << "the view scrolled";
    EXPECT_GT(eyesShown, 0) << "the eyes showed";
    EXPECT_EQ(uncovered, 0) << "a stale table covers nothing";
    EXPECT_GT(coveredFrames, 100) << "the key-free squares covered cells";
    ASSERT_EQ(lessBackground.size(), whole.size());
    for (std::size_t i = 0; i < whole.size(); ++i)
        ASSERT_EQ(lessBackground[i], whole[i]) << "frame " << i;
    EXPECT_NE(whole.front(), whole.back()) << "the picture moved on";
}

TEST_F(WorldStepTest, AnEggShowsNothingInTheFrameItHatches)
{
    loadCellSheets();
    app.frameClock = 10000;
    World& w = test::startWorld(test::levelFromMap({"..........", "..........", "....e.....", ".........."}, 1, 1));
    w.blocksAcross = 0; // no background behind the cells
    Cell& egg = *w.cellAt(4, 2);
    egg.eggState = kEggOpening;
    egg.frame = 11; // the last frame of opening: the next step hatches it
    const int px = (egg.x - w.viewX) * 40 + 5, py = (egg.y - w.viewY) * 40 + 5;
    auto frame = [&] {
        app.frameClock += 100;
        FrameInput in;
        in.now = app.frameClock;
        in.view = drawRange(w);
        auto target = std::make_unique<Surface>(800, 600);
        stepViewCells(w, world.theDigger.get(), in, target.get());
        return target->pixel(px, py);
    };
    EXPECT_EQ(frame(), 0u) << "hatching frame: neither the egg nor the Crawler";
    EXPECT_EQ(egg.kind, KindCrawler);
    EXPECT_EQ(egg.frame, 0) << "the Crawler's counters wait for its first picture";
    EXPECT_EQ(frame(), 0x100000u + 0u * 256u + 6u) << "then the hatched Crawler's row of sheet 24";
}

} // namespace
} // namespace burrowix
