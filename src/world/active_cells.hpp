#pragma once
// The cells each pass of a frame has to visit. A pass over a large level spends nearly all its time on
// cells at rest, so the world keeps, per pass, a bit per cell that may do something, and the pass
// visits only the set bits, in increasing index order like the full scan. A cleared bit is a promise
// that visiting the cell would change nothing; whatever writes a cell touches it (touchCell), which
// sets its bits and wakes its neighbours for the gravity pass. After a level is set up, or whenever the
// grid was replaced, every bit is set at the next use, so a stale set can only cost time.

#include <cstdint>
#include <vector>

namespace burrowix {

class Cell;

class ActiveCells {
public:
    enum Set : int {
        Gravity, ///< may fall, roll, fly, land, go off or count down (woken by changes around it)
        Enemies, ///< may hold a Crawler, Walker or Stalker
        Glides,  ///< may be gliding
        Blasts,  ///< may be exploding
        kSets,
    };

    // Forgets everything: the next use sets every bit.
    void invalidate() { cells_ = nullptr; }
    // True when the bits describe this grid (same cells, same size).
    bool describes(const Cell* cells, std::size_t count, int width) const
    {
        return cells_ == cells && count_ == count && width_ == width;
    }
    // Every bit of every set, for a grid of `count` cells `width` across.
    void rebuild(const Cell* cells, std::size_t count, int width);

    // Cell i's content changed: its own bits in every set, and the gravity bits of it and its eight
    // neighbours (the gravity step of a cell reads only those).
    void touch(int i);
    // The gravity bits of the cells in the rectangle [x0, x1) x [y0, y1) (clipped to the grid).
    void wakeRect(Set s, int x0, int y0, int x1, int y1);
    void set(Set s, int i) { bits_[s][std::size_t(i) >> 6] |= bit(i); }
    void clear(Set s, int i) { bits_[s][std::size_t(i) >> 6] &= ~bit(i); }
    bool test(Set s, int i) const { return (bits_[s][std::size_t(i) >> 6] & bit(i)) != 0; }
    // Counts every touch, so a pass can tell whether a visit changed any cell.
    std::uint64_t touches() const { return touches_; }

    // Calls visit(i) for every set bit i of `s` in [begin, end), in increasing order. The visit may set
    // and clear bits of any set: a bit set ahead of i is still visited in this call, as a full scan
    // would reach that cell after the change.
    template <typename Visit>
    void forEach(Set s, int begin, int end, Visit visit)
    {
        const std::vector<std::uint64_t>& words = bits_[s];
        int i = begin < 0 ? 0 : begin;
        if (end > int(count_))
            end = int(count_);
        while (i < end) {
            const std::size_t k = std::size_t(i) >> 6;
            const std::uint64_t m = words[k] & (~std::uint64_t(0) << (unsigned(i) & 63u));
            if (m == 0) {
                i = int((k + 1) << 6);
                continue;
            }
            const int j = int(k << 6) + __builtin_ctzll(m);
            if (j >= end)
                break;
            visit(j);
            i = j + 1;
        }
    }

    // Cells set in `s` (for tests and benchmarks).
    std::size_t count(Set s) const;

    // The enemies and the gold nuggets on the grid, kept up to date by every touch: a count by cell
    // that a touch compares with the cell as it is now.
    int enemies() const { return enemies_; }
    int gold() const { return gold_; }
    // Brings the counts of the cells in [x0, x1) x [y0, y1) up to date without touching them.
    void recountRect(int x0, int y0, int x1, int y1);

    // The digger's cell at the last gravity pass: its neighbours are woken when it leaves.
    int lastDiggerCell = -1;

private:
    // Calls visit(index) for the cells of columns x0 .. x1 - 1 and rows y0 .. y1 - 1 inside the grid.
    template <typename Visit>
    void forRect(int x0, int y0, int x1, int y1, Visit visit);
    static std::uint64_t bit(int i) { return std::uint64_t(1) << (unsigned(i) & 63u); }

    // Cell i as the counts have it.
    void recount(int i);

    std::vector<std::uint64_t> bits_[kSets];
    std::vector<std::uint64_t> countedEnemy_, countedGold_;
    int enemies_ = 0, gold_ = 0;
    const Cell* cells_ = nullptr;
    std::size_t count_ = 0;
    int width_ = 0, height_ = 0;
    std::uint64_t touches_ = 0;
};

} // namespace burrowix
