#include "platform/display/display.hpp"

#include <algorithm>
#include <new>

#include "platform/display/blit.hpp"
#include "platform/image/bitmap.hpp"

namespace burrowix {

Display theDisplay;

void Display::reset()
{
    releaseDisplay(*this);
    for (Surface* s : surfaces)
        s->setOwner(nullptr);
    surfaces.clear();
    greenPixel = 0;
    dpiY = 96;
    restoreSteps = {};
    releaseSteps = {};
}

void registerSurface(Display& display, Surface* surface)
{
    if (surface && surface->owner() != &display) {
        if (surface->owner())
            unregisterSurface(*surface->owner(), surface);
        display.surfaces.push_back(surface);
        surface->setOwner(&display);
    }
}

void unregisterSurface(Display& display, Surface* surface)
{
    auto it = std::find(display.surfaces.begin(), display.surfaces.end(), surface);
    if (it != display.surfaces.end())
        display.surfaces.erase(it);
    if (surface && surface->owner() == &display)
        surface->setOwner(nullptr);
}

DisplayResult setUpDisplay(Display& display, std::unique_ptr<FramePresenter> presenter)
{
    releaseDisplay(display);
    if (!presenter)
        return DisplayResult::InvalidParams;
    display.presenter = std::move(presenter);
    display.backBuffer = std::make_unique<Surface>(kScreenWidth, kScreenHeight);
    registerSurface(display, display.backBuffer.get());
    fillRect(display.backBuffer.get(), nullptr, 0);
    display.presenter->present(*display.backBuffer);
    return DisplayResult::Ok;
}

std::unique_ptr<Surface> createBlankSurface(Display& display, int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    std::unique_ptr<Surface> surface;
    try {
        surface = std::make_unique<Surface>(width, height);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    registerSurface(display, surface.get());
    return surface;
}

DisplayResult copyBitmapToSurface(Surface* surface, const Bitmap* bitmap, int x, int y, int w, int h)
{
    if (!surface || !bitmap || bitmap->width <= 0 || bitmap->height <= 0 ||
        bitmap->pixels.size() < std::size_t(bitmap->width) * std::size_t(bitmap->height) ||
        surface->bitsPerPixel() != 32)
        return DisplayResult::Failed;
    surface->restore();
    const DisplayResult ready = surface->checkReady();
    if (ready != DisplayResult::Ok)
        return ready;
    const int sw = w ? w : bitmap->width;
    const int sh = h ? h : bitmap->height;
    const Rect source{x, y, int(std::int64_t(x) + sw), int(std::int64_t(y) + sh)};
    stretchPixels({surface->row(0), surface->width(), surface->height(), surface->pitchWords()},
                  surface->bounds(), {bitmap->pixels.data(), bitmap->width, bitmap->height, bitmap->width},
                  source, nullptr);
    return DisplayResult::Ok;
}

std::uint32_t colorMatch(Surface* surface, std::optional<std::uint32_t> rgb)
{
    if (!surface)
        return 0xFFFFFFFFu;
    std::optional<std::uint32_t> saved;
    if (rgb && !surface->isLost()) {
        saved = surface->pixel(0, 0);
        surface->setPixel(0, 0, surface->mapRgb(*rgb));
    }
    DisplayResult lock;
    while ((lock = surface->checkReady()) == DisplayResult::StillDrawing) {
    }
    std::uint32_t value = 0xFFFFFFFFu;
    if (lock == DisplayResult::Ok) {
        value = surface->firstWord();
        if (surface->bitsPerPixel() < 32)
            value &= (1u << surface->bitsPerPixel()) - 1;
    }
    if (saved)
        surface->setPixel(0, 0, *saved);
    return value;
}

void setColorKey(Surface* surface, std::uint32_t rgb)
{
    if (surface)
        surface->setColorKeyPixel(colorMatch(surface, rgb));
}

DisplayResult presentFrame(Display& display)
{
    if (!display.presenter || !display.backBuffer)
        return DisplayResult::Failed;
    for (;;) {
        DisplayResult r = display.backBuffer->checkReady();
        if (r == DisplayResult::Ok) {
            r = display.presenter->present(*display.backBuffer);
            if (r == DisplayResult::Ok)
                display.presenter->frameShown();
        }
        if (r == DisplayResult::SurfaceLost) {
            restoreAllSurfaces(display);
            return r;
        }
        if (r != DisplayResult::StillDrawing)
            return r;
    }
}

DisplayResult restoreAllSurfaces(Display& display)
{
    if (!display.presenter || !display.backBuffer)
        return DisplayResult::Failed;
    DisplayResult status = display.presenter->restoreDevice();
    if (status != DisplayResult::Ok)
        return status;
    for (Surface* s : display.surfaces)
        s->restore();

    fillRect(display.backBuffer.get(), nullptr, 0);
    status = display.presenter->present(*display.backBuffer);

    if (display.restoreSteps.restoreSnapshot)
        display.restoreSteps.restoreSnapshot();
    if (display.restoreSteps.rebuildScreenSurfaces)
        display.restoreSteps.rebuildScreenSurfaces();
    if (display.restoreSteps.reloadPictures)
        status = display.restoreSteps.reloadPictures();
    return status;
}

void releaseDisplay(Display& display)
{
    if (!display.presenter && !display.backBuffer)
        return;
    if (display.backBuffer) {
        unregisterSurface(display, display.backBuffer.get());
        display.backBuffer.reset();
    }
    if (display.releaseSteps.releasePictures)
        display.releaseSteps.releasePictures();
    if (display.releaseSteps.shutDownEffects)
        display.releaseSteps.shutDownEffects();
    display.presenter.reset();
}

void loseAllSurfaces(Display& display)
{
    for (Surface* s : display.surfaces)
        s->markLost();
}

} // namespace burrowix
