#pragma once
// How the 800 x 600 picture is placed in a window of any size, and the nearest-neighbour copy of
// picture rows into a window's pixels. "fit" fills as much of the window as the 4:3 picture can;
// "integer" uses the largest whole multiple so every game pixel is the same number of screen
// pixels. Either way the picture is centred with black bars.

#include <cstdint>

#include "platform/display/display_result.hpp"
#include "platform/display/frame_changes.hpp"

namespace burrowix {

enum class ScalingMode { Fit, Integer };

const char* scalingModeName(ScalingMode mode);

// Where a picture of pictureW x pictureH lands in a window of windowW x windowH. A window smaller
// than the picture gets the picture shrunk to fit in both modes. Empty for an empty window.
Rect placePicture(int windowW, int windowH, int pictureW, int pictureH, ScalingMode mode);

// The size of the game's window on a desktop whose usable area is desktopW x desktopH: the largest
// whole multiple of the picture that fits, and the picture's own size on a smaller desktop.
struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};
Size windowedSize(int desktopW, int desktopH, int pictureW, int pictureH);

// The window rows that show picture rows `rows` when the picture of pictureH rows lands on `dest`.
RowRange windowRowsFor(RowRange rows, int pictureH, const Rect& dest);

// Copies picture rows `rows` (nearest neighbour) into the window rows they land on. `xMap` holds
// dest.width() source columns (see makeColumnMap); `window` points at pixel (0, 0) of the window,
// `windowPitch` 32-bit words apart.
void scaleRows(const std::uint32_t* picture, int pictureW, int pictureH, int picturePitch, RowRange rows,
               std::uint32_t* window, int windowPitch, const Rect& dest, const int* xMap);

// For each destination column of `dest`, the picture column it shows.
void makeColumnMap(int pictureW, const Rect& dest, int* xMap);

} // namespace burrowix
