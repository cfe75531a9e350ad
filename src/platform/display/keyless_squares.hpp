#pragma once
// Which squares of a sheet's grid hold no pixel equal to the sheet's colour key. Such a square
// draws the same keyed or plain, and hides everything under it, so a frame can copy it without
// the key test and skip drawing what it would cover.

#include <cstdint>
#include <vector>

namespace burrowix {

class Surface;

class KeylessSquares {
public:
    // Looks at every whole `size` x `size` square of `sheet` (null forgets what was noted).
    void note(const Surface* sheet, int size);
    // Square (col, row) of `sheet` lies inside it and holds no key pixel. False for any other
    // sheet, size or key than the one noted, and for a lost sheet, so a stale table is only slower.
    bool has(const Surface* sheet, int col, int row) const;

private:
    const Surface* sheet_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool hasKey_ = false;
    std::uint32_t key_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<bool> keyless_;
};

} // namespace burrowix
