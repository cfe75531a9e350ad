#include "menus/editor_view.hpp"

#include <algorithm>

#include "menus/editor_state.hpp"
#include "menus/editor_tiles.hpp"
#include "platform/display/blit.hpp"

namespace burrowix {

namespace {

constexpr int kViewWidth = kEditorViewRect.right - kEditorViewRect.left;
constexpr int kViewHeight = kEditorViewRect.bottom - kEditorViewRect.top;
constexpr std::uint32_t kOutsideColor = 0x101010, kHoverColor = 0xFFFFFF, kAnchorColor = 0xFFD040;

// The scroll range along one axis: a level wider than the view may show one cell beyond each edge;
// a narrower one stands centred.
int clampAxis(int scroll, int levelPixels, int viewPixels, int cell)
{
    if (levelPixels + 2 * cell <= viewPixels)
        return -(viewPixels - levelPixels) / 2;
    return std::clamp(scroll, -cell, levelPixels + cell - viewPixels);
}

void outline(Surface* target, int x, int y, int size, std::uint32_t color)
{
    const Rect top{x, y, x + size, y + 1}, bottom{x, y + size - 1, x + size, y + size};
    const Rect left{x, y, x + 1, y + size}, right{x + size - 1, y, x + size, y + size};
    for (const Rect& r : {top, bottom, left, right}) {
        Rect clipped{std::max(r.left, kEditorViewRect.left), std::max(r.top, kEditorViewRect.top),
                     std::min(r.right, kEditorViewRect.right), std::min(r.bottom, kEditorViewRect.bottom)};
        if (clipped.left < clipped.right && clipped.top < clipped.bottom)
            fillRect(target, &clipped, color);
    }
}

// Copies the part `source` of `tile` to (x, y), clipped to the view.
void drawClipped(Surface* target, const Surface* tile, Rect source, int x, int y, bool keyed)
{
    if (x < kEditorViewRect.left) {
        source.left += kEditorViewRect.left - x;
        x = kEditorViewRect.left;
    }
    if (y < kEditorViewRect.top) {
        source.top += kEditorViewRect.top - y;
        y = kEditorViewRect.top;
    }
    source.right = std::min(source.right, source.left + kEditorViewRect.right - x);
    source.bottom = std::min(source.bottom, source.top + kEditorViewRect.bottom - y);
    if (source.left < source.right && source.top < source.bottom)
        blitFast(target, x, y, tile, &source, keyed);
}

// Copies `tile` to (x, y), clipped to the view.
void drawTile(Surface* target, const Surface* tile, int x, int y)
{
    if (tile)
        drawClipped(target, tile, tile->bounds(), x, y, tile->hasColorKey());
}

} // namespace

bool editorCellAt(const EditorScreenState& s, int x, int y, std::int32_t& cx, std::int32_t& cy)
{
    if (x < kEditorViewRect.left || y < kEditorViewRect.top || x >= kEditorViewRect.right ||
        y >= kEditorViewRect.bottom)
        return false;
    const int px = x - kEditorViewRect.left + s.scrollX, py = y - kEditorViewRect.top + s.scrollY;
    // Floor division: the cells left of and above the level are negative, not 0.
    cx = px >= 0 ? px / s.cellSize : -1;
    cy = py >= 0 ? py / s.cellSize : -1;
    return s.editor.level().inside(cx, cy);
}

void clampEditorScroll(EditorScreenState& s)
{
    const EditLevel& level = s.editor.level();
    s.scrollX = clampAxis(s.scrollX, level.width * s.cellSize, kViewWidth, s.cellSize);
    s.scrollY = clampAxis(s.scrollY, level.height * s.cellSize, kViewHeight, s.cellSize);
}

void scrollEditorView(EditorScreenState& s, int dx, int dy)
{
    s.scrollX += dx;
    s.scrollY += dy;
    clampEditorScroll(s);
}

void cycleEditorZoom(EditorScreenState& s)
{
    const int old = s.cellSize;
    std::size_t next = 0;
    for (std::size_t i = 0; i < std::size(kEditorZooms); ++i)
        if (kEditorZooms[i] == old)
            next = (i + 1) % std::size(kEditorZooms);
    s.cellSize = kEditorZooms[next];
    const int midX = s.scrollX + kViewWidth / 2, midY = s.scrollY + kViewHeight / 2;
    s.scrollX = midX * s.cellSize / old - kViewWidth / 2;
    s.scrollY = midY * s.cellSize / old - kViewHeight / 2;
    clampEditorScroll(s);
}

void drawEditorView(const EditorScreenState& s, const EditorTiles& tiles, Surface* target)
{
    fillRect(target, &kEditorViewRect, kOutsideColor);
    const EditLevel& level = s.editor.level();
    const int cell = s.cellSize;
    const int originX = kEditorViewRect.left - s.scrollX, originY = kEditorViewRect.top - s.scrollY;
    const int x0 = std::max(0, s.scrollX / cell), y0 = std::max(0, s.scrollY / cell);
    const int x1 = std::min(level.width, (s.scrollX + kViewWidth) / cell + 1);
    const int y1 = std::min(level.height, (s.scrollY + kViewHeight) / cell + 1);

    const int block = kBlockCells * cell;
    for (int by = y0 / kBlockCells; by * kBlockCells < y1; ++by)
        for (int bx = x0 / kBlockCells; bx * kBlockCells < x1; ++bx) {
            // The block's part beyond the level's last row or column stays dark.
            const int w = std::min(block, (level.width - bx * kBlockCells) * cell);
            const int h = std::min(block, (level.height - by * kBlockCells) * cell);
            const Surface* tile = tiles.block(level.blocks[std::size_t(by * level.blocksAcross() + bx)], cell);
            if (!tile)
                continue;
            drawClipped(target, tile, Rect{0, 0, w, h}, originX + bx * block, originY + by * block, false);
        }

    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            drawTile(target, tiles.cell(level.at(x, y), cell), originX + x * cell, originY + y * cell);

    const LevelProps& props = level.props;
    if (props.hasStart())
        drawTile(target, tiles.start(cell), originX + props.startX * cell, originY + props.startY * cell);
    if (s.shaping)
        outline(target, originX + s.anchorX * cell, originY + s.anchorY * cell, cell, kAnchorColor);
    if (level.inside(s.hoverX, s.hoverY))
        outline(target, originX + s.hoverX * cell, originY + s.hoverY * cell, cell, kHoverColor);
}

} // namespace burrowix
