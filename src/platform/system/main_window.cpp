#include "platform/system/main_window.hpp"

#include <SDL.h>
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <cstring>

#include "platform/display/surface.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/process_time.hpp"

namespace burrowix {

namespace {

constexpr unsigned kGlRendererName = 0x1F01; // GL_RENDERER

// A device node that a hardware OpenGL driver would drive. Without one, any OpenGL on this machine
// is emulated on the processor.
bool graphicsDeviceExists()
{
    bool found = false;
    if (DIR* dir = opendir("/dev/dri")) {
        while (const dirent* entry = readdir(dir)) {
            if (std::strncmp(entry->d_name, "renderD", 7) == 0 || std::strncmp(entry->d_name, "card", 4) == 0)
                found = true;
        }
        closedir(dir);
    }
    return found || access("/dev/nvidia0", F_OK) == 0;
}

// True for a renderer that draws on the processor: SDL's own software renderer, or an OpenGL one
// whose driver rasterises in software.
bool rendersInSoftware(SDL_Renderer* renderer)
{
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name)
        return true;
    if (std::strncmp(info.name, "opengl", 6) != 0)
        return std::strcmp(info.name, "software") == 0;
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const auto* name = getString ? reinterpret_cast<const char*>(getString(kGlRendererName)) : nullptr;
    if (!name)
        return false;
    for (const char* emulated : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (std::strstr(name, emulated))
            return true;
    return false;
}

// The desktop's size, or the game's own where the system does not tell.
Size desktopSize()
{
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0)
        return {desktop.w, desktop.h};
    return {kScreenWidth, kScreenHeight};
}

// The windowed size for the desktop the game runs on.
Size desktopWindowSize()
{
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        usable = {0, 0, kScreenWidth, kScreenHeight};
    return windowedSize(usable.w, usable.h, kScreenWidth, kScreenHeight);
}

std::string rendererName(SDL_Renderer* renderer)
{
    SDL_RendererInfo info{};
    return SDL_GetRendererInfo(renderer, &info) == 0 && info.name ? info.name : "unknown";
}

} // namespace

bool MainWindow::create(const char* title)
{
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // The window's own pixels go to the display server directly; by default SDL would back them
    // with an OpenGL texture, which without a graphics device is an emulated GL.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Pads are optional: without the subsystem the game is played from the keyboard.
    if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER))
        SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    if (settings.fullScreen) {
        // The window covers the desktop from the start, so that it is full-screen even where no
        // window manager honours the full-screen request. The request itself follows the first
        // frame (see makePresenter).
        const Size desktop = desktopSize();
        window = SDL_CreateWindow(title, 0, 0, desktop.width, desktop.height, SDL_WINDOW_BORDERLESS);
    } else {
        const Size size = desktopWindowSize();
        window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, size.width, size.height,
                                  SDL_WINDOW_RESIZABLE);
    }
    if (!window) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return false;
    }

    // A renderer named in SDL_RENDER_DRIVER is used as asked ("software" meaning the window's own
    // pixels); otherwise an accelerated one only where a graphics device exists and its driver
    // really is hardware.
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    const bool askedSoftware = asked && SDL_strcasecmp(asked, "software") == 0;
    if (asked ? !askedSoftware : graphicsDeviceExists()) {
        renderer = SDL_CreateRenderer(window, -1, asked ? 0 : SDL_RENDERER_ACCELERATED);
        if (renderer && !asked && rendersInSoftware(renderer)) {
            SDL_DestroyRenderer(renderer);
            renderer = nullptr;
        }
    }
    // Some systems (a few Wayland set-ups) offer no window pixels: any renderer then.
    if (!renderer && !SDL_GetWindowSurface(window))
        renderer = SDL_CreateRenderer(window, -1, 0);
    if (renderer) {
        SDL_RenderSetLogicalSize(renderer, kScreenWidth, kScreenHeight);
        SDL_RenderSetIntegerScale(renderer, settings.scaling == ScalingMode::Integer ? SDL_TRUE : SDL_FALSE);
        pathName = "renderer " + rendererName(renderer);
    } else if (SDL_GetWindowSurface(window)) {
        pathName = "window surface";
    } else {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        SDL_DestroyWindow(window);
        window = nullptr;
        return false;
    }
    pathName += std::string(", scaling ") + scalingModeName(settings.scaling);
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
    if (!window)
        return nullptr;
    std::unique_ptr<WindowPresenterBase> presenter;
    if (renderer)
        presenter = std::make_unique<RendererPresenter>(renderer, pathName);
    else
        presenter = std::make_unique<WindowSurfacePresenter>(window, &settings.scaling, pathName);
    if (settings.fullScreen) {
        // SDL waits up to 100 ms after a full-screen request for the window to change, and a
        // window that covers the desktop already never does: asked once start-up is over, that
        // wait holds up neither the first picture nor the loading behind it.
        SDL_Window* w = window;
        presenter->afterStartup = [w] { SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP); };
    }
    if (presenter->restoreDevice() != DisplayResult::Ok)
        return nullptr;
    return presenter;
}

void WindowPresenterBase::frameShown()
{
    if (framesShown_ >= 2)
        return;
    if (++framesShown_ == 1) {
        std::fprintf(stderr, "burrowix: first frame shown %ld ms after start, %s\n", millisecondsSinceProcessStart(),
                     pathName_.c_str());
    } else if (afterStartup) {
        afterStartup();
    }
}

RendererPresenter::RendererPresenter(SDL_Renderer* renderer, std::string pathName)
    : WindowPresenterBase(std::move(pathName)), renderer_(renderer)
{
}

RendererPresenter::~RendererPresenter()
{
    if (texture_)
        SDL_DestroyTexture(texture_);
}

DisplayResult RendererPresenter::restoreDevice()
{
    if (texture_)
        SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 kScreenWidth, kScreenHeight);
    if (!texture_)
        return DisplayResult::Failed;
    changes_.forgetAll();
    lost_ = false;
    return DisplayResult::Ok;
}

DisplayResult RendererPresenter::present(const Surface& backBuffer)
{
    if (lost_ || !texture_)
        return DisplayResult::SurfaceLost;
    if (backBuffer.bitsPerPixel() != 32 || backBuffer.width() != kScreenWidth ||
        backBuffer.height() != kScreenHeight)
        return DisplayResult::Failed;
    const std::vector<RowRange>& rows = changes_.changedRows(backBuffer);
    if (rows.empty())
        return DisplayResult::Ok;
    for (const RowRange& band : rows) {
        const SDL_Rect rect{0, band.top, kScreenWidth, band.bottom - band.top};
        if (SDL_UpdateTexture(texture_, &rect, backBuffer.row(band.top), backBuffer.pitchWords() * 4) != 0) {
            changes_.forgetAll();
            return DisplayResult::Failed;
        }
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    return DisplayResult::Ok;
}

WindowSurfacePresenter::WindowSurfacePresenter(SDL_Window* window, const ScalingMode* scaling, std::string pathName)
    : WindowPresenterBase(std::move(pathName)), window_(window), scaling_(scaling)
{
}

bool WindowSurfacePresenter::lockPixels(SDL_Surface* target)
{
    return !SDL_MUSTLOCK(target) || SDL_LockSurface(target) == 0;
}

void WindowSurfacePresenter::unlockPixels(SDL_Surface* target)
{
    if (SDL_MUSTLOCK(target))
        SDL_UnlockSurface(target);
}

DisplayResult WindowSurfacePresenter::present(const Surface& backBuffer)
{
    if (backBuffer.bitsPerPixel() != 32)
        return DisplayResult::Failed;
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target)
        return DisplayResult::Failed;
    const bool sameLayout = target->format->format == SDL_PIXELFORMAT_RGB888 ||
                            target->format->format == SDL_PIXELFORMAT_ARGB8888;
    if (target->w != windowW_ || target->h != windowH_ || *scaling_ != placedWith_) {
        // A new size or scaling: black bars around the picture's new place, and the whole picture again.
        windowW_ = target->w;
        windowH_ = target->h;
        placedWith_ = *scaling_;
        dest_ = placePicture(windowW_, windowH_, backBuffer.width(), backBuffer.height(), *scaling_);
        columnMap_.assign(std::size_t(std::max(dest_.width(), 0)), 0);
        makeColumnMap(backBuffer.width(), dest_, columnMap_.data());
        SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
        changes_.forgetAll();
    }
    if (dest_.empty())
        return DisplayResult::Ok;
    // Locked before the changed rows are taken: taking them counts them as shown, so a frame that
    // then could not be written would never be sent.
    if (!lockPixels(target))
        return DisplayResult::StillDrawing;
    const std::vector<RowRange>& rows = changes_.changedRows(backBuffer);
    if (rows.empty()) {
        unlockPixels(target);
        return DisplayResult::Ok;
    }
    const bool wholeWindow = rows.size() == 1 && rows[0].top == 0 && rows[0].bottom == backBuffer.height();

    if (sameLayout) {
        for (const RowRange& band : rows)
            scaleRows(backBuffer.row(0), backBuffer.width(), backBuffer.height(), backBuffer.pitchWords(), band,
                      static_cast<std::uint32_t*>(target->pixels), target->pitch / 4, dest_, columnMap_.data());
    } else {
        // Another pixel layout: each window row is scaled into a spare row, then converted.
        convertRow_.resize(std::size_t(dest_.width()));
        const Rect oneRow{0, 0, dest_.width(), 1};
        for (const RowRange& band : rows) {
            const RowRange windowRows = windowRowsFor(band, backBuffer.height(), dest_);
            for (int y = windowRows.top; y < windowRows.bottom; ++y) {
                const int sy = int(std::int64_t(y - dest_.top) * backBuffer.height() / dest_.height());
                scaleRows(backBuffer.row(sy), backBuffer.width(), 1, backBuffer.pitchWords(), {0, 1},
                          convertRow_.data(), 0, oneRow, columnMap_.data());
                auto* out = static_cast<std::uint8_t*>(target->pixels) + std::size_t(y) * target->pitch +
                            std::size_t(dest_.left) * target->format->BytesPerPixel;
                SDL_ConvertPixels(dest_.width(), 1, SDL_PIXELFORMAT_RGB888, convertRow_.data(), dest_.width() * 4,
                                  target->format->format, out, target->pitch);
            }
        }
    }
    unlockPixels(target);

    int status;
    if (wholeWindow) {
        status = SDL_UpdateWindowSurface(window_);
    } else {
        std::vector<SDL_Rect> rects;
        rects.reserve(rows.size());
        for (const RowRange& band : rows) {
            const RowRange windowRows = windowRowsFor(band, backBuffer.height(), dest_);
            rects.push_back({dest_.left, windowRows.top, dest_.width(), windowRows.bottom - windowRows.top});
        }
        status = SDL_UpdateWindowSurfaceRects(window_, rects.data(), int(rects.size()));
    }
    if (status != 0) {
        changes_.forgetAll();
        return DisplayResult::Failed;
    }
    return DisplayResult::Ok;
}

void MainWindow::setFullScreen(bool on)
{
    if (on == settings.fullScreen)
        return;
    if (window && !on) {
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowBordered(window, SDL_TRUE);
        SDL_SetWindowResizable(window, SDL_TRUE);
        const Size size = desktopWindowSize();
        SDL_SetWindowSize(window, size.width, size.height);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else if (window) {
        // Covering the desktop first makes it full screen also where no window manager honours
        // the request.
        const Size desktop = desktopSize();
        SDL_SetWindowBordered(window, SDL_FALSE);
        SDL_SetWindowPosition(window, 0, 0);
        SDL_SetWindowSize(window, desktop.width, desktop.height);
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    settings.fullScreen = on;
    if (!settingsPath.empty())
        writeWindowSettings(settingsPath, settings);
}

void MainWindow::setScaling(ScalingMode mode)
{
    if (mode == settings.scaling)
        return;
    settings.scaling = mode;
    if (renderer)
        SDL_RenderSetIntegerScale(renderer, mode == ScalingMode::Integer ? SDL_TRUE : SDL_FALSE);
    if (!settingsPath.empty())
        writeWindowSettings(settingsPath, settings);
}

void MainWindow::windowToPicture(int& x, int& y) const
{
    // A renderer maps mouse positions to its logical size itself.
    if (!window || renderer)
        return;
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    const Rect dest = placePicture(w, h, kScreenWidth, kScreenHeight, settings.scaling);
    if (dest.empty())
        return;
    x = int(std::int64_t(x - dest.left) * kScreenWidth / dest.width());
    y = int(std::int64_t(y - dest.top) * kScreenHeight / dest.height());
}

void connectWindowEvents(SdlEventSource& events, MainWindow& window, Display& display)
{
    events.onDeviceReset = [&display] {
        if (display.isSetUp() && display.presenter) {
            if (auto* presenter = dynamic_cast<RendererPresenter*>(display.presenter.get()))
                presenter->markLost();
            loseAllSurfaces(display);
        }
    };
    events.onWindowUncovered = [&display] {
        if (display.presenter)
            display.presenter->screenContentsLost();
    };
    events.onToggleFullScreen = [&window] { window.toggleFullScreen(); };
    events.toPicture = [&window](int& x, int& y) { window.windowToPicture(x, y); };
}

} // namespace burrowix
