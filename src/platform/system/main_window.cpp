#include "platform/system/main_window.hpp"

#include "platform/system/event_source.hpp"

#include <SDL.h>

#include <cstdio>

namespace burrowix {

bool MainWindow::create(const char* title)
{
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // The window covers the desktop from the start, so that it is full-screen even where no window
    // manager honours the full-screen request.
    SDL_DisplayMode desktop{};
    int w = kScreenWidth, h = kScreenHeight;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0) {
        w = desktop.w;
        h = desktop.h;
    }
    window = SDL_CreateWindow(title, 0, 0, w, h, SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
    if (!window) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return false;
    }
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        SDL_DestroyWindow(window);
        window = nullptr;
        return false;
    }
    SDL_RenderSetLogicalSize(renderer, kScreenWidth, kScreenHeight);
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

void MainWindow::destroy()
{
    if (!window)
        return;
    if (procedure)
        procedure({MessageType::Destroy});
    if (renderer)
        SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    renderer = nullptr;
    window = nullptr;
}

std::unique_ptr<FramePresenter> MainWindow::makePresenter()
{
    if (!renderer)
        return nullptr;
    auto presenter = std::make_unique<WindowPresenter>(renderer);
    if (presenter->restoreDevice() != DisplayResult::Ok)
        return nullptr;
    return presenter;
}

WindowPresenter::WindowPresenter(SDL_Renderer* renderer) : renderer_(renderer) {}

WindowPresenter::~WindowPresenter()
{
    if (texture_)
        SDL_DestroyTexture(texture_);
}

DisplayResult WindowPresenter::restoreDevice()
{
    if (texture_)
        SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 kScreenWidth, kScreenHeight);
    if (!texture_)
        return DisplayResult::Failed;
    lost_ = false;
    return DisplayResult::Ok;
}

DisplayResult WindowPresenter::present(const Surface& backBuffer)
{
    if (lost_ || !texture_)
        return DisplayResult::SurfaceLost;
    if (backBuffer.bitsPerPixel() != 32 ||
        SDL_UpdateTexture(texture_, nullptr, backBuffer.row(0), backBuffer.pitchWords() * 4) != 0)
        return DisplayResult::Failed;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    return DisplayResult::Ok;
}

void loseDisplayOnDeviceReset(SdlEventSource& events, Display& display)
{
    events.onDeviceReset = [&display] {
        if (display.isSetUp() && display.presenter) {
            static_cast<WindowPresenter*>(display.presenter.get())->markLost();
            loseAllSurfaces(display);
        }
    };
}

} // namespace burrowix
