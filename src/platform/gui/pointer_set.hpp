#pragma once
// The game's own mouse pointer: shapes cut from sheets of frames in the picture store, animated
// frame by frame, drawn last in every frame with the hot spot on the mouse position.

#include <vector>

#include "platform/display/display_result.hpp"
#include "platform/system/clock.hpp"

namespace burrowix {

class Surface;
struct Display;

struct PointerShape {
    int frameWidth = 0;
    int frameHeight = 0;
    int framesPerRow = 0; // the sheet's width / frame width; 0 when the sheet is missing
    int lastFrame = 0;
    int hotX = 0;
    int hotY = 0;
    int picture = -1;
};

// Milliseconds each frame of an animated pointer shows at least.
constexpr int kPointerFrameTime = 100;

class PointerSet {
public:
    std::vector<PointerShape> shapes;
    int current = -1; // none selected
    int frame = 0;
    Ticks lastChange = 0;

    // Adds a shape whose sheet goes into the picture store; its index.
    int addShape(Display& display, const char* sheet, int frameWidth, int frameHeight, int lastFrame,
                 int hotX, int hotY);
    // Selecting another shape starts it from frame 0 at time 0; the current one changes nothing.
    // An index that names no shape selects nothing.
    void selectShape(int index);
    // Advances an animated shape (each frame shows for more than kPointerFrameTime) and draws the
    // current frame with its hot spot at (x, y), clipped to the screen.
    void drawPointer(Surface* target, int x, int y, Ticks now);
    // Drawing the pointer at `now` would show its next frame: between such times every frame
    // shows the same picture.
    bool frameDue(Ticks now) const
    {
        return current >= 0 && current < static_cast<int>(shapes.size()) &&
               shapes[static_cast<std::size_t>(current)].lastFrame != 0 &&
               elapsedMoreThan(now, lastChange, kPointerFrameTime);
    }
    // The part of the screen the current shape's frame covers with its hot spot at (x, y), whether
    // or not its sheet is there; empty when no shape is selected.
    Rect coveredRect(int x, int y) const;
    void clearShapes();
};

// Shape 0 while no mouse button is held, shape 1 while one is.
constexpr int kPointerNormal = 0, kPointerHeld = 1;

// The game's two pointer sheets of the asset manifest as shapes 0 and 1, replacing any added before:
// at the first frame and again after the display comes back.
void addGamePointerShapes(PointerSet& pointer, Display& display);

} // namespace burrowix
