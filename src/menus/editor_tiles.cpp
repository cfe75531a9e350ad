#include "menus/editor_tiles.hpp"

#include "editor/edit_palette.hpp"
#include "platform/display/blit.hpp"
#include "state/picture_tables.hpp"
#include "world/cell.hpp"

namespace burrowix {

EditorTiles editorTiles;

namespace {

// The key every tile is transparent in, as the game's sprite sheets use it.
constexpr std::uint32_t kTileKey = 0x000000;
constexpr std::uint32_t kBlastMark = 0xE03020;

std::unique_ptr<Surface> keyedSurface(int size)
{
    auto s = std::make_unique<Surface>(size, size);
    fillRect(s.get(), nullptr, kTileKey);
    s->setColorKeyPixel(kTileKey);
    return s;
}

// A blast stone is never drawn in play (it stands for the screen's stone look); the editor marks
// it with a cross over the stone, a full one for the kind that clears the screen.
void markBlastStone(Surface* tile, std::int32_t param)
{
    const int inset = param == 0 ? 6 : 12;
    for (int i = inset; i < 40 - inset; ++i)
        for (int t = -1; t <= 1; ++t) {
            tile->setPixel(i + t, i, kBlastMark);
            tile->setPixel(39 - i + t, i, kBlastMark);
        }
}

std::unique_ptr<Surface> cellPicture(Brush brush)
{
    auto tile = keyedSurface(40);
    Cell cell;
    cell.kind = brush.kind;
    cell.param = brush.param;
    const Rect whole{0, 0, 40, 40};
    if (brush.kind == KindBlastStone) {
        cell.kind = KindStone;
        cell.param = 0;
        cell.draw(0, 0, KindStone, whole, tile.get(), 40);
        markBlastStone(tile.get(), brush.param);
    } else {
        cell.draw(0, 0, brush.kind, whole, tile.get(), 40);
    }
    return tile;
}

std::unique_ptr<Surface> startPicture()
{
    auto tile = keyedSurface(40);
    const Rect r{0, 0, 40, 40};
    if (thePictures.diggerPicture)
        blitFast(tile.get(), 0, 0, thePictures.diggerPicture.get(), &r, true);
    return tile;
}

// Block pictures 0..3 are columns of the theme's background sheet; 4 (the eyes) shows picture 0.
std::unique_ptr<Surface> blockPicture(std::int32_t look)
{
    auto tile = std::make_unique<Surface>(200, 200);
    const Surface* sheet = thePictures.spriteImages[kSlotBackground].get();
    const int column = look == kEyesPicture ? 0 : look;
    const Rect r{column * 200, 0, column * 200 + 200, 200};
    if (sheet)
        blitFast(tile.get(), 0, 0, sheet, &r, false);
    return tile;
}

// The 40 px tile at 20 and 10 px; keyed pixels stay keyed.
void scaleDown(std::array<std::unique_ptr<Surface>, 3>& sizes, int fullSide, bool keyed)
{
    for (int i = 1; i < 3; ++i) {
        const int side = fullSide >> i;
        auto s = std::make_unique<Surface>(side, side);
        fillRect(s.get(), nullptr, kTileKey);
        const Rect to{0, 0, side, side};
        blitStretch(s.get(), &to, sizes[0].get(), nullptr, keyed);
        if (keyed)
            s->setColorKeyPixel(kTileKey);
        sizes[std::size_t(i)] = std::move(s);
    }
}

} // namespace

int EditorTiles::sizeIndex(int cellSize)
{
    return cellSize >= 40 ? 0 : cellSize >= 20 ? 1 : 2;
}

void EditorTiles::build()
{
    brushes_.clear();
    cells_.clear();
    for (const PaletteItem& item : editPalette()) {
        brushes_.push_back(item.brush);
        Sizes sizes;
        sizes.bySize[0] = cellPicture(item.brush);
        scaleDown(sizes.bySize, 40, true);
        cells_.push_back(std::move(sizes));
    }
    start_.bySize[0] = startPicture();
    scaleDown(start_.bySize, 40, true);
    for (std::int32_t look = 0; look < kBlockLooks; ++look) {
        blocks_[std::size_t(look)].bySize[0] = blockPicture(look);
        scaleDown(blocks_[std::size_t(look)].bySize, 200, false);
    }
    built_ = true;
}

const Surface* EditorTiles::cell(Brush brush, int cellSize) const
{
    if (brush.kind == KindEmpty)
        return nullptr;
    for (std::size_t i = 0; i < brushes_.size(); ++i)
        if (brushes_[i] == brush)
            return cells_[i].bySize[std::size_t(sizeIndex(cellSize))].get();
    return nullptr;
}

const Surface* EditorTiles::start(int cellSize) const
{
    return start_.bySize[std::size_t(sizeIndex(cellSize))].get();
}

const Surface* EditorTiles::block(std::int32_t look, int cellSize) const
{
    if (look < 0 || look >= kBlockLooks)
        return nullptr;
    return blocks_[std::size_t(look)].bySize[std::size_t(sizeIndex(cellSize))].get();
}

} // namespace burrowix
