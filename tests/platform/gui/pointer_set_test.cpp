#include "gui_test_support.hpp"

#include "platform/gui/picture_button.hpp"

namespace burrowix {
namespace {

using test::GuiTest;

// A sheet whose every pixel names its own place, (y << 12) | x, so a drawn pixel tells which sheet
// pixel it came from. No pixel is pure green.
std::uint32_t place(int x, int y) { return static_cast<std::uint32_t>(y) << 12 | static_cast<std::uint32_t>(x); }

class PointerSetTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        // Four 40 x 40 frames: two per row.
        sheet = picture("pointer.bmp", 80, 80, [](int x, int y) { return pixel32ToRgb(place(x, y)); });
    }
    // The frame whose top-left pixel is at screen (x, y): its sheet column and row.
    int frameAt(int x, int y)
    {
        const std::uint32_t p = back().pixel(x, y);
        return static_cast<int>((p >> 12) / 40 * 2 + (p & 0xFFF) / 40);
    }
    std::string sheet;
};

TEST_F(PointerSetTest, AnAnimatedShapeStepsThroughItsFramesAtMostEvery100Ms)
{
    PointerSet& pointer = theGui.pointer;
    ASSERT_EQ(pointer.addShape(theDisplay, sheet.c_str(), 40, 40, 3, 0, 0), 0);
    EXPECT_EQ(pointer.shapes[0].framesPerRow, 2);
    pointer.selectShape(0);

    struct Step {
        Ticks now;
        int frame;
    };
    // Selection starts frame 0 at time 0; each change needs more than 100 ms since the last one.
    const Step steps[] = {{50, 0}, {100, 0}, {101, 1}, {150, 1}, {201, 1}, {202, 2},
                          {303, 3}, {404, 0}, {500, 0}, {505, 1}};
    for (const Step& s : steps) {
        pointer.drawPointer(&back(), 100, 100, s.now);
        EXPECT_EQ(frameAt(100, 100), s.frame) << "at " << s.now;
    }

    // Selecting the current shape changes nothing; another one restarts it.
    pointer.selectShape(0);
    EXPECT_EQ(pointer.frame, 1);
    ASSERT_EQ(pointer.addShape(theDisplay, sheet.c_str(), 40, 40, 0, 0, 0), 1);
    EXPECT_EQ(theGui.pictures.count(), 1); // the sheet is stored once
    pointer.selectShape(1);
    EXPECT_EQ(pointer.frame, 0);
    pointer.drawPointer(&back(), 100, 100, 5000); // a single-frame shape never moves on
    EXPECT_EQ(pointer.frame, 0);
}

TEST_F(PointerSetTest, TheHotSpotLiesOnThePositionAndTheFrameIsClippedToTheScreen)
{
    PointerSet& pointer = theGui.pointer;
    pointer.addShape(theDisplay, sheet.c_str(), 40, 40, 0, 5, 7);
    pointer.drawPointer(&back(), 100, 100, 0); // nothing selected: nothing drawn
    EXPECT_EQ(back().pixel(100, 100), 0u);
    pointer.selectShape(0);

    pointer.drawPointer(&back(), 100, 100, 0);
    EXPECT_EQ(back().pixel(100, 100), place(5, 7));
    EXPECT_EQ(back().pixel(95, 93), place(0, 0));

    pointer.drawPointer(&back(), 795, 597, 0);
    EXPECT_EQ(back().pixel(799, 599), place(9, 9));
    pointer.drawPointer(&back(), 0, 0, 0);
    EXPECT_EQ(back().pixel(0, 0), place(5, 7));
    pointer.drawPointer(&back(), 900, 700, 0); // wholly off the screen
}

TEST_F(PointerSetTest, ButtonsChoosePointerShapesAndAMissingSheetDrawsNothing)
{
    const std::string button = buttonPicture("b.bmp", 50, 20, packRgb(1, 2, 3), packRgb(4, 5, 6), packRgb(7, 8, 9));
    PointerSet& pointer = theGui.pointer;
    pointer.addShape(theDisplay, sheet.c_str(), 40, 40, 0, 0, 0);
    pointer.addShape(theDisplay, "missing.bmp", 40, 40, 3, 0, 0);
    pointer.addShape(theDisplay, sheet.c_str(), 40, 40, 0, 0, 0);
    EXPECT_EQ(pointer.shapes[1].framesPerRow, 0);
    auto* b = new PictureButton(theDisplay, 300, 300, "B", nullptr, 0, button.c_str(), nullptr, nullptr);
    b->pointerShape = 2;
    theGui.rootList.append(b);

    send(MessageType::MouseMove, 310, 310);
    EXPECT_EQ(pointer.current, 2);
    send(MessageType::LeftButtonDown, 310, 310);
    EXPECT_EQ(pointer.current, kPointerHeld);
    pointer.drawPointer(&back(), 10, 10, 1000);
    EXPECT_EQ(back().pixel(10, 10), 0u);
    send(MessageType::LeftButtonUp, 310, 310);
    EXPECT_EQ(pointer.current, 2); // the release hands the pointer back to the button under it
}

} // namespace
} // namespace burrowix
