#pragma once
// The display record: the back buffer every frame is composed in, the presenter that shows it, and
// the list of live surfaces that a display loss takes away and a restore gives back. One instance,
// `theDisplay`, serves the whole program; tests build it with a presenter that needs no window.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/display/display_result.hpp"
#include "platform/display/surface.hpp"

namespace burrowix {

struct Bitmap;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// Shows a finished back buffer on the screen.
class FramePresenter {
public:
    virtual ~FramePresenter() = default;
    // SurfaceLost when the device lost its resources, StillDrawing when it is busy.
    virtual DisplayResult present(const Surface& backBuffer) = 0;
    // Gets the device's own resources back after a loss.
    virtual DisplayResult restoreDevice() { return DisplayResult::Ok; }
    // The screen no longer shows the last frame (uncovered, resized): the next present sends all.
    virtual void screenContentsLost() {}
    // Called after each composed frame that present() accepted (not the set-up's black one).
    virtual void frameShown() {}
    // The next frame differs from the one presented last at most in rows [top, bottom): a presenter
    // that looks for changed rows need not look at the others.
    virtual void onlyRowsMayChange(int /*top*/, int /*bottom*/) {}
};

// What the other subsystems rebuild after a display loss, in the order restoreAllSurfaces runs
// them. Each step is optional; the screens, the GUI and the start-up fill them in.
struct RestoreSteps {
    // The level-choice snapshot is restored and its rebuild countdown started.
    std::function<void()> restoreSnapshot;
    // Screen widgets hidden and shown again (their buffers recreated), pointer shapes reloaded.
    std::function<void()> rebuildScreenSurfaces;
    // Every picture of the picture tables reloaded and its colour key set again; returns the
    // status of the last operation.
    std::function<DisplayResult()> reloadPictures;
};

// What releaseDisplay hands back besides the back buffer, in its order.
struct ReleaseSteps {
    std::function<void()> releasePictures;
    std::function<void()> shutDownEffects;
};

struct Display {
    std::unique_ptr<FramePresenter> presenter;
    std::unique_ptr<Surface> backBuffer;
    std::vector<Surface*> surfaces; // every surface created for this display, back buffer included
    std::uint32_t greenPixel = 0;   // the back buffer's pixel value for pure green
    int dpiY = 96;                  // vertical resolution for point sizes of fonts
    RestoreSteps restoreSteps;
    ReleaseSteps releaseSteps;

    bool isSetUp() const { return backBuffer != nullptr; }
    // Releases everything (as releaseDisplay) and forgets the steps.
    void reset();
};

extern Display theDisplay;

// Creates the back buffer for `presenter`, clears it to black and presents it once.
DisplayResult setUpDisplay(Display& display, std::unique_ptr<FramePresenter> presenter);

// An empty 32-bit surface registered with the display; null for a non-positive size.
std::unique_ptr<Surface> createBlankSurface(Display& display, int width, int height);
void registerSurface(Display& display, Surface* surface);
void unregisterSurface(Display& display, Surface* surface);

// Scales the rectangle (x, y, w, h) of the bitmap over the whole surface; w or h 0 means the
// bitmap's own. Ok, or the failure that kept the copy from happening.
DisplayResult copyBitmapToSurface(Surface* surface, const Bitmap* bitmap, int x, int y, int w, int h);

// The surface's pixel value for an RGB colour, found as the hardware would report it: the colour is
// written to pixel (0, 0) (which is then put back) and the first word of the surface memory read,
// keeping only the surface's bits per pixel. Without a colour, reads whatever pixel (0, 0) holds.
// All ones when the surface cannot be read.
std::uint32_t colorMatch(Surface* surface, std::optional<std::uint32_t> rgb);
// Makes colorMatch(surface, rgb) the surface's source colour key.
void setColorKey(Surface* surface, std::uint32_t rgb);

// Presents the back buffer: restores every surface on a loss (no second attempt this frame), tries
// again while the device is busy, stops on anything else.
// Ok when the frame reached the screen.
DisplayResult presentFrame(Display& display = theDisplay);

// Restores every surface after a loss and lets the other subsystems reload what lived in them.
DisplayResult restoreAllSurfaces(Display& display = theDisplay);

// Releases the back buffer, then the pictures, then the effect output, then the presenter. Safe to
// call twice.
void releaseDisplay(Display& display = theDisplay);

// Takes every surface of the display away, as a device reset does.
void loseAllSurfaces(Display& display);

} // namespace burrowix
