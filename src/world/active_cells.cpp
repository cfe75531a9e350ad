#include "world/active_cells.hpp"

#include <algorithm>

#include "world/cell.hpp"
#include "world/cell_kind.hpp"

namespace burrowix {

void ActiveCells::rebuild(const Cell* cells, std::size_t count, int width)
{
    cells_ = cells;
    count_ = count;
    width_ = width > 0 ? width : 1;
    height_ = int(count / std::size_t(width_));
    const std::size_t words = (count + 63) / 64;
    for (auto& b : bits_) {
        b.assign(words, ~std::uint64_t(0));
        if (count % 64 != 0 && words > 0)
            b.back() = (std::uint64_t(1) << (count % 64)) - 1;
    }
    lastDiggerCell = -1;
    countedEnemy_.assign(words, 0);
    countedGold_.assign(words, 0);
    enemies_ = gold_ = 0;
    for (std::size_t i = 0; i < count; ++i)
        recount(int(i));
}

void ActiveCells::recount(int i)
{
    const Cell& c = cells_[i];
    const std::size_t k = std::size_t(i) >> 6;
    const std::uint64_t b = bit(i);
    const bool enemy = c.isEnemy, gold = c.kind == KindGold;
    if (enemy != ((countedEnemy_[k] & b) != 0)) {
        countedEnemy_[k] ^= b;
        enemies_ += enemy ? 1 : -1;
    }
    if (gold != ((countedGold_[k] & b) != 0)) {
        countedGold_[k] ^= b;
        gold_ += gold ? 1 : -1;
    }
}

template <typename Visit>
void ActiveCells::forRect(int x0, int y0, int x1, int y1, Visit visit)
{
    if (!cells_)
        return;
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            visit(y * width_ + x);
}

void ActiveCells::recountRect(int x0, int y0, int x1, int y1)
{
    forRect(x0, y0, x1, y1, [this](int i) { recount(i); });
}

void ActiveCells::touch(int i)
{
    if (!cells_ || i < 0 || std::size_t(i) >= count_)
        return;
    ++touches_;
    recount(i);
    for (int s = Enemies; s < kSets; ++s)
        set(Set(s), i);
    const int x = i % width_, y = i / width_;
    wakeRect(Gravity, x - 1, y - 1, x + 2, y + 2);
}

void ActiveCells::wakeRect(Set s, int x0, int y0, int x1, int y1)
{
    forRect(x0, y0, x1, y1, [this, s](int i) { set(s, i); });
}

std::size_t ActiveCells::count(Set s) const
{
    std::size_t n = 0;
    for (std::uint64_t w : bits_[s])
        n += std::size_t(__builtin_popcountll(w));
    return n;
}

} // namespace burrowix
