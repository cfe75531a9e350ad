#include "platform/display/frame_changes.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/display/surface.hpp"

namespace burrowix {

const std::vector<RowRange>& FrameChangeTracker::changedRows(const Surface& frame)
{
    changed_.clear();
    const int w = frame.width();
    const int h = frame.height();
    if (frame.bitsPerPixel() != 32 || w <= 0 || h <= 0)
        return changed_;
    if (w != width_ || h != height_) {
        last_.assign(std::size_t(w) * std::size_t(h), 0);
        width_ = w;
        height_ = h;
        valid_ = false;
    }
    const std::size_t rowBytes = std::size_t(w) * sizeof(std::uint32_t);
    const bool limited = std::exchange(limited_, false) && valid_;
    for (int top = 0; top < h; top += kBandRows) {
        const int bottom = std::min(h, top + kBandRows);
        if (limited && (bottom <= limit_.top || top >= limit_.bottom))
            continue;
        bool differs = !valid_;
        for (int y = top; y < bottom && !differs; ++y)
            differs = std::memcmp(frame.row(y), &last_[std::size_t(y) * std::size_t(w)], rowBytes) != 0;
        if (!differs)
            continue;
        for (int y = top; y < bottom; ++y)
            std::memcpy(&last_[std::size_t(y) * std::size_t(w)], frame.row(y), rowBytes);
        if (!changed_.empty() && changed_.back().bottom == top)
            changed_.back().bottom = bottom;
        else
            changed_.push_back({top, bottom});
    }
    valid_ = true;
    return changed_;
}

} // namespace burrowix
