#pragma once
// Finds which rows of a composed frame differ from the frame shown last, so a presenter can skip
// a frame that did not change and send only the changed rows of one that did. The frame is
// compared in bands of rows against a copy of the last presented one; a band that differs is
// copied over, so each pixel is read twice at most and written only where it changed.

#include <cstdint>
#include <vector>

namespace burrowix {

class Surface;

// Rows [top, bottom) of the frame.
struct RowRange {
    int top = 0;
    int bottom = 0;
    bool operator==(const RowRange&) const = default;
};

class FrameChangeTracker {
public:
    static constexpr int kBandRows = 8;

    // The changed rows of `frame` since the last call, adjacent bands merged, top to bottom; the
    // whole frame after forgetAll() or when the frame's size changed. Empty when nothing changed.
    const std::vector<RowRange>& changedRows(const Surface& frame);
    // The next call reports the whole frame (the screen lost what it showed, or its size changed).
    void forgetAll() { valid_ = false; }
    // The caller knows that the next frame differs from the last one at most in `rows`: the next
    // call compares only the bands those rows touch.
    void limitNextTo(RowRange rows) { limit_ = rows; limited_ = true; }

private:
    std::vector<std::uint32_t> last_;
    std::vector<RowRange> changed_;
    int width_ = 0;
    int height_ = 0;
    bool valid_ = false;
    RowRange limit_;
    bool limited_ = false;
};

} // namespace burrowix
