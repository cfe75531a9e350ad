#include "platform/gui/pointer_set.hpp"

#include <algorithm>

#include "common/asset_manifest.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/gui/gui_state.hpp"

namespace burrowix {

namespace {

// The game's shapes: every frame of each sheet's single row is shown, hot spot at the top left.
constexpr assets::PictureId kGameShapes[] = {assets::PictureId::PointerNormal, assets::PictureId::PointerPressed};

} // namespace

int PointerSet::addShape(Display& display, const char* sheet, int frameWidth, int frameHeight,
                         int lastFrame, int hotX, int hotY)
{
    PointerShape s{frameWidth, frameHeight, 0, std::max(lastFrame, 0), hotX, hotY, -1};
    s.picture = theGui.pictures.findOrAddPicture(sheet);
    theGui.pictures.loadPicture(display, s.picture);
    if (const Surface* surface = theGui.pictures.pictureSurface(s.picture); surface && frameWidth > 0)
        s.framesPerRow = surface->width() / frameWidth;
    shapes.push_back(s);
    return static_cast<int>(shapes.size()) - 1;
}

void PointerSet::selectShape(int index)
{
    if (index == current || index < 0 || index >= static_cast<int>(shapes.size()))
        return;
    current = index;
    frame = 0;
    lastChange = 0;
}

void PointerSet::drawPointer(Surface* target, int x, int y, Ticks now)
{
    if (current < 0 || current >= static_cast<int>(shapes.size()))
        return;
    const PointerShape& s = shapes[static_cast<std::size_t>(current)];
    if (s.lastFrame != 0 && elapsedMoreThan(now, lastChange, kPointerFrameTime)) {
        frame = frame >= s.lastFrame ? 0 : frame + 1;
        lastChange = now;
    }
    const Surface* sheet = theGui.pictures.pictureSurface(s.picture);
    if (!sheet || s.framesPerRow < 1)
        return;
    const int left = x - s.hotX, top = y - s.hotY;
    const int col = frame % s.framesPerRow, row = frame / s.framesPerRow;
    // The part of the frame on the screen.
    const int cutLeft = std::max(0, -left), cutTop = std::max(0, -top);
    const int w = std::min(s.frameWidth, kScreenWidth - left), h = std::min(s.frameHeight, kScreenHeight - top);
    if (cutLeft >= w || cutTop >= h)
        return;
    const Rect source{col * s.frameWidth + cutLeft, row * s.frameHeight + cutTop, col * s.frameWidth + w,
                      row * s.frameHeight + h};
    blitFast(target, left + cutLeft, top + cutTop, sheet, &source, true);
}

Rect PointerSet::coveredRect(int x, int y) const
{
    if (current < 0 || current >= static_cast<int>(shapes.size()))
        return {};
    const PointerShape& s = shapes[static_cast<std::size_t>(current)];
    const int left = x - s.hotX, top = y - s.hotY;
    Rect r{std::max(left, 0), std::max(top, 0), std::min(left + s.frameWidth, kScreenWidth),
           std::min(top + s.frameHeight, kScreenHeight)};
    return r.empty() ? Rect{} : r;
}

void PointerSet::clearShapes()
{
    shapes.clear();
    current = -1;
    frame = 0;
    lastChange = 0;
}

void addGamePointerShapes(PointerSet& pointer, Display& display)
{
    const int selected = pointer.current;
    pointer.clearShapes();
    for (assets::PictureId sheet : kGameShapes)
        pointer.addShape(display, assets::pictureFile(sheet), assets::frameWidth(sheet), assets::frameHeight(sheet),
                         assets::pictureAsset(sheet).width / assets::frameWidth(sheet) - 1, 0, 0);
    // With no shape chosen yet the pointer would stay invisible until it first met a widget.
    pointer.selectShape(selected >= 0 ? selected : kPointerNormal);
}

} // namespace burrowix
