#pragma once
// The game's one window: full-screen on the desktop, drawing an 800 x 600 picture scaled to fit
// with black bars (nearest-neighbour), without the system's mouse pointer. Destroying it sends the
// Destroy message through the window procedure first, as the desktop does.
//
// Frames reach the window through the cheapest path the machine offers: an accelerated renderer
// when a graphics device drives one, otherwise the window's own pixels (shared memory with the
// display server), never an emulated OpenGL. Either path skips a frame identical to the last one
// shown and sends only the rows that changed.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/display.hpp"
#include "platform/display/frame_changes.hpp"
#include "platform/display/frame_scaling.hpp"
#include "platform/system/messages.hpp"
#include "platform/system/window_settings.hpp"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Surface;

namespace burrowix {

struct MainWindow {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr; // null when frames go to the window's own pixels
    WindowSettings settings;          // full screen or window, and the scaling; set before create
    std::string settingsPath;         // where a changed setting is saved; empty: not saved
    std::string pathName;             // how frames are shown, for the start-up log
    // The window procedure every message of this window goes through.
    std::function<void(const Message&)> procedure;

    // Starts SDL's video and opens the window; false (with SDL's reason on stderr) on failure.
    bool create(const char* title);
    bool exists() const { return window != nullptr; }
    // Destroy message first, then the window goes; nothing when it does not exist.
    void destroy();
    // A presenter that shows back buffers in this window.
    std::unique_ptr<FramePresenter> makePresenter();
    // Full screen on the desktop, or a resizable window of the largest whole multiple of 800 x 600
    // that fits it; the choice is saved. Without a window (a headless run) only the setting changes.
    void setFullScreen(bool on);
    void toggleFullScreen() { setFullScreen(!settings.fullScreen); }
    // Fit or whole multiples only; saved. Frames shown from now on are placed anew.
    void setScaling(ScalingMode mode);
    // A mouse position in window pixels as a position on the 800 x 600 picture (may lie outside).
    void windowToPicture(int& x, int& y) const;
};

// What both window presenters share: the rows changed since the last frame shown, and the one
// start-up log line with the time of the first frame.
class WindowPresenterBase : public FramePresenter {
public:
    explicit WindowPresenterBase(std::string pathName) : pathName_(std::move(pathName)) {}
    void screenContentsLost() override { changes_.forgetAll(); }
    void frameShown() override;
    void onlyRowsMayChange(int top, int bottom) override { changes_.limitNextTo({top, bottom}); }

    // Run once, right after the second frame has been shown: the first is the picture shown
    // while start-up still loads, the second the first one the frame loop presents.
    std::function<void()> afterStartup;

protected:
    FrameChangeTracker changes_;

private:
    std::string pathName_;
    int framesShown_ = 0;
};

// Uploads the changed rows of the back buffer into a streaming texture and presents it.
class RendererPresenter : public WindowPresenterBase {
public:
    RendererPresenter(SDL_Renderer* renderer, std::string pathName);
    ~RendererPresenter() override;
    DisplayResult present(const Surface& backBuffer) override;
    DisplayResult restoreDevice() override;
    // The texture is gone (a device reset): the next present reports SurfaceLost.
    void markLost() { lost_ = true; }

private:
    SDL_Renderer* renderer_;
    SDL_Texture* texture_ = nullptr;
    bool lost_ = false;
};

// Scales the changed rows of the back buffer into the window's own pixels and updates just those
// rows of the window. It follows `*scaling` (the window's setting, which outlives it) from frame
// to frame.
class WindowSurfacePresenter : public WindowPresenterBase {
public:
    WindowSurfacePresenter(SDL_Window* window, const ScalingMode* scaling, std::string pathName);
    DisplayResult present(const Surface& backBuffer) override;

protected:
    // Makes the window's pixels writable; false while the display server holds them.
    virtual bool lockPixels(SDL_Surface* target);
    virtual void unlockPixels(SDL_Surface* target);

private:
    SDL_Window* window_;
    const ScalingMode* scaling_;
    ScalingMode placedWith_ = ScalingMode::Fit;
    int windowW_ = 0;
    int windowH_ = 0;
    Rect dest_;
    std::vector<int> columnMap_;
    std::vector<std::uint32_t> convertRow_; // for windows whose pixels are not 0x00RRGGBB
};

class SdlEventSource;

// Connects the window's own events: a renderer reset takes the window's texture and, as a display
// loss does, every surface of the display; a window that was uncovered or resized needs its whole
// picture again; Alt+Enter and F11 switch full screen; mouse positions are mapped to the picture.
void connectWindowEvents(SdlEventSource& events, MainWindow& window, Display& display = theDisplay);

} // namespace burrowix
