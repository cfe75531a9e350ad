#pragma once
// Crafted levels drawn with sheets whose every square names itself by its colour, so that a test reads
// which square of which sheet the drawing took; and a fixture that gives each test a clean program
// state and steps a level one frame at a time the way the game screen does.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <utility>

#include "platform/display/surface.hpp"
#include "state/picture_tables.hpp"
#include "support/world_levels.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/world_step.hpp"

namespace burrowix::test {

// A sheet of cols x rows squares of `size` pixels, square (col, row) filled with a colour naming it;
// colour 0, the colour key, is left for "nothing drawn".
inline std::unique_ptr<Surface> indexSheet(int cols, int rows, int size = 40)
{
    auto s = std::make_unique<Surface>(cols * size, rows * size);
    for (int y = 0; y < rows * size; ++y)
        for (int x = 0; x < cols * size; ++x)
            s->setPixel(x, y, 0x100000u + std::uint32_t(x / size) * 256u + std::uint32_t(y / size));
    s->setColorKeyPixel(0);
    return s;
}

// The (col, row) of the sheet square drawn at a pixel, or (-1, -1) when nothing was drawn there.
inline std::pair<int, int> squareAt(const Surface& target, int x, int y)
{
    const std::uint32_t p = target.pixel(x, y);
    if (p < 0x100000u)
        return {-1, -1};
    return {int((p >> 8) & 0xFF), int(p & 0xFF)};
}

class DrawnWorldTest : public ::testing::Test {
protected:
    static constexpr int kFrameMs = 26;

    void SetUp() override { resetWorldState(); }
    void TearDown() override { resetWorldState(); }

    // Index sheets for every picture the cells' drawing reads: the sprite sheets, the points and
    // weapon pickups, the explosion and the preview's small cells.
    static void loadCellSheets()
    {
        for (auto& s : thePictures.spriteImages)
            s = indexSheet(20, 16);
        for (auto& s : thePictures.exppointsImages)
            s = indexSheet(16, 2);
        for (auto& s : thePictures.addweaponImages)
            s = indexSheet(16, 1);
        thePictures.explosionPicture = indexSheet(12, 2);
        thePictures.interfaceImages[kPreviewSpritesImage] = indexSheet(23, 9, 20);
    }

    // Advances the clock by `ms` and runs one frame of the rules on the current world over the cells
    // of its drawing rectangle, drawing onto `picture` when it is not null.
    static void step(Surface* picture, int ms = kFrameMs)
    {
        app.frameClock += ms;
        FrameInput in;
        in.now = app.frameClock;
        in.view = drawRange(*world.theWorld);
        stepWorld(*world.theWorld, *world.theDigger, in, picture);
    }
};

} // namespace burrowix::test
