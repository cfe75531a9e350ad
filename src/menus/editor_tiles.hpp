#pragma once
// The pictures the editor draws a level with: every palette item's cell, the digger's start and
// the five background looks, taken from the game's own loaded pictures of the theme at 40 px and
// scaled once to the overviews' 20 and 10 px, so a frame only copies small tiles.

#include <array>
#include <memory>
#include <vector>

#include "editor/edit_level.hpp"
#include "platform/display/surface.hpp"

namespace burrowix {

class EditorTiles {
public:
    // Makes every tile from the pictures loaded now (a missing picture leaves its tile empty).
    void build();
    bool built() const { return built_; }
    void clear() { *this = EditorTiles{}; }

    // The tile of what a cell holds at `cellSize` (40, 20 or 10); null for empty cells and for
    // what the palette has no picture of. Keyed: the background shows through.
    const Surface* cell(Brush brush, int cellSize) const;
    const Surface* start(int cellSize) const;
    // A background block of look 0..4, five cells square.
    const Surface* block(std::int32_t look, int cellSize) const;

private:
    struct Sizes {
        std::array<std::unique_ptr<Surface>, 3> bySize;
    };
    static int sizeIndex(int cellSize);

    std::vector<Brush> brushes_;
    std::vector<Sizes> cells_;
    Sizes start_;
    std::array<Sizes, kBlockLooks> blocks_;
    bool built_ = false;
};

extern EditorTiles editorTiles;

} // namespace burrowix
