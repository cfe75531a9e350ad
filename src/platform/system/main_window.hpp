#pragma once
// The game's one window: full-screen on the desktop, drawing an 800 x 600 picture scaled to fit
// with black bars (nearest-neighbour), without the system's mouse pointer. Destroying it sends the
// Destroy message through the window procedure first, as the desktop does.

#include <functional>
#include <memory>

#include "platform/display/display.hpp"
#include "platform/system/messages.hpp"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace burrowix {

struct MainWindow {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    // The window procedure every message of this window goes through.
    std::function<void(const Message&)> procedure;

    // Starts SDL's video and opens the window; false (with SDL's reason on stderr) on failure.
    bool create(const char* title);
    bool exists() const { return window != nullptr; }
    // Destroy message first, then the window goes; nothing when it does not exist.
    void destroy();
    // A presenter that shows back buffers in this window.
    std::unique_ptr<FramePresenter> makePresenter();
};

// Uploads the back buffer into a streaming texture and presents it.
class WindowPresenter : public FramePresenter {
public:
    explicit WindowPresenter(SDL_Renderer* renderer);
    ~WindowPresenter() override;
    DisplayResult present(const Surface& backBuffer) override;
    DisplayResult restoreDevice() override;
    // The texture is gone (a device reset): the next present reports SurfaceLost.
    void markLost() { lost_ = true; }

private:
    SDL_Renderer* renderer_;
    SDL_Texture* texture_ = nullptr;
    bool lost_ = false;
};

class SdlEventSource;

// A renderer reset takes the window's texture and, as a display loss does, every surface of the
// display: from then on `events` reports it that way.
void loseDisplayOnDeviceReset(SdlEventSource& events, Display& display = theDisplay);

} // namespace burrowix
