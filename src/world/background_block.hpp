#pragma once
// The background behind the level: one block per 5 x 5 cells, each showing a 200 x 200 tile of the
// background picture of the level's look (picture 4 adds the watching eyes on the game screen).

#include <bitset>
#include <cstdint>

#include "platform/display/display.hpp"
#include "platform/display/display_result.hpp"

namespace burrowix {

class Surface;

inline constexpr int kBlockCells = 5;
inline constexpr std::int32_t kEyesPicture = 4;

// The cells of the game screen's 40 px grid (20 x 15, from the top-left corner) that a cell's
// picture covers whole in this frame: the background under them is not drawn.
struct CoveredCells {
    static constexpr int kSize = 40;
    static constexpr int kColumns = kScreenWidth / kSize;
    static constexpr int kRows = kScreenHeight / kSize;
    std::bitset<kColumns * kRows> cells; ///< bit row * kColumns + column: covered

    bool covered(int column, int row) const { return cells[std::size_t(row * kColumns + column)]; }
    void cover(int column, int row) { cells.set(std::size_t(row * kColumns + column)); }

    // Calls part(x0, y0, x1, y1) for the pieces of the screen rectangle [left, right) x [top, bottom)
    // outside the covered cells: runs of cells along each grid row, or the whole rectangle (clipped
    // to the screen) when nothing is covered.
    template <typename Part>
    void forUncovered(int left, int top, int right, int bottom, Part part) const
    {
        left = left < 0 ? 0 : left;
        top = top < 0 ? 0 : top;
        right = right > kScreenWidth ? kScreenWidth : right;
        bottom = bottom > kScreenHeight ? kScreenHeight : bottom;
        if (left >= right || top >= bottom)
            return;
        if (cells.none()) {
            part(left, top, right, bottom);
            return;
        }
        for (int row = top / kSize; row * kSize < bottom; ++row) {
            const int y0 = row * kSize > top ? row * kSize : top;
            const int y1 = (row + 1) * kSize < bottom ? (row + 1) * kSize : bottom;
            for (int col = left / kSize; col * kSize < right;) {
                if (covered(col, row)) {
                    ++col;
                    continue;
                }
                const int x0 = col * kSize > left ? col * kSize : left;
                while (col * kSize < right && !covered(col, row))
                    ++col;
                part(x0, y0, col * kSize < right ? col * kSize : right, y1);
            }
        }
    }
};

class BackgroundBlock {
public:
    std::int32_t blockX = 0;
    std::int32_t blockY = 0;
    std::int32_t picture = 0;

    virtual ~BackgroundBlock() = default;
    BackgroundBlock() = default;
    BackgroundBlock(const BackgroundBlock&) = default;
    BackgroundBlock& operator=(const BackgroundBlock&) = default;

    // The block in the level-choice magnifier centred on (mouseX, mouseY), the same place the
    // magnifier's cells are drawn around.
    virtual void drawInMagnifier(Surface* target, int mouseX, int mouseY) const;
    // The block on the game screen (cell size 40) or in the level preview (cell size 20), all but
    // the cells `covered` marks (null: all of it).
    virtual void drawOnScreen(Surface* target, int blockColumn, int blockRow, const CoveredCells* covered) const;
    // The block's place on the screen at grid column and row, and its part that shows; false when
    // none of it does.
    bool screenPlace(int blockColumn, int blockRow, int& x, int& y, Rect& source) const;
    // The block shows the watching eyes in this frame: picture 4, on screen, in play.
    bool showsEyes(int blockColumn, int blockRow) const;
    // The cell size of the current world, which the blocks belong to (40 without one).
    static int cellSize();
    // Draws the visible part `source` (block coordinates) of the block's tile at (x, y) for
    // `cellSize` (20: the preview's small tiles).
    virtual void drawPicture(int x, int y, std::int32_t pictureNumber, const Rect& source, Surface* target,
                             int cellSize) const;
};

class World;

// The game screen's background blocks of `w` (the current world) draw over every pixel of the
// screen: each part on the screen comes whole from a picture that is there, and the parts add up
// to the screen. Whatever was drawn before them is hidden then.
bool backgroundCoversScreen(const World& w);

} // namespace burrowix
