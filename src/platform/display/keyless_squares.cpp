#include "platform/display/keyless_squares.hpp"

#include <algorithm>

#include "platform/display/surface.hpp"

namespace burrowix {

void KeylessSquares::note(const Surface* sheet, int size)
{
    *this = KeylessSquares{};
    if (!sheet || size <= 0 || sheet->isLost() || sheet->bitsPerPixel() != 32)
        return;
    sheet_ = sheet;
    width_ = sheet->width();
    height_ = sheet->height();
    hasKey_ = sheet->hasColorKey();
    key_ = sheet->colorKey();
    columns_ = width_ / size;
    rows_ = height_ / size;
    keyless_.assign(std::size_t(columns_) * std::size_t(rows_), true);
    if (!hasKey_)
        return;
    for (int y = 0; y < rows_ * size; ++y) {
        const std::uint32_t* line = sheet->row(y);
        for (int col = 0; col < columns_; ++col) {
            const std::size_t at = std::size_t(y / size) * std::size_t(columns_) + std::size_t(col);
            if (keyless_[at] && std::find(line + col * size, line + (col + 1) * size, key_) != line + (col + 1) * size)
                keyless_[at] = false;
        }
    }
}

bool KeylessSquares::has(const Surface* sheet, int col, int row) const
{
    if (!sheet || sheet != sheet_ || sheet->isLost() || sheet->width() != width_ || sheet->height() != height_ ||
        sheet->hasColorKey() != hasKey_ || (hasKey_ && sheet->colorKey() != key_))
        return false;
    if (col < 0 || row < 0 || col >= columns_ || row >= rows_)
        return false;
    return keyless_[std::size_t(row) * std::size_t(columns_) + std::size_t(col)];
}

} // namespace burrowix
