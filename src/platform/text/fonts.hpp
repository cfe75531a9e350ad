#pragma once
// The font registry: fonts addressed by index in creation order, each a face from the program's
// font table opened at a size in points, and the text drawing that uses them.

#include <cstdint>
#include <string>

#include "common/ptr_list.hpp"

struct _TTF_Font;

namespace burrowix {

class Surface;

// Style bits of createFont.
constexpr int kFontBold = 1, kFontItalic = 2, kFontUnderline = 4;

// Alignment codes of drawText: where the given point lies on the text.
constexpr int kAlignStart = 0;  // left edge / top
constexpr int kAlignCentre = 1; // centre / middle
constexpr int kAlignEnd = 2;    // right edge / bottom

struct FontEntry {
    std::string faceName;
    int outline = 1;
    int cellWidth = 0;  // width of "W"
    int cellHeight = 0; // height of "W": the font's line height
    _TTF_Font* font = nullptr;
};

struct FontRegistry {
    PtrList<FontEntry> fonts;

    int count() const { return fonts.count(); }
    // Null outside the registry.
    FontEntry* font(int index) const { return fonts.get(index); }
    // Closes every font and empties the registry.
    void reset();
};

extern FontRegistry theFonts;

// The pixel height of the characters for a point size at a vertical resolution in dots per inch.
constexpr int fontPixelHeight(int pointSize, int dpiY) { return pointSize * dpiY / 72; }

// Appends a font: `faceName` at `pointSize` points (at the display's dots per inch) with the style
// bits. Its index. A face that cannot be opened keeps a record with no font, which draws nothing.
// `surface` is the surface the font will mostly draw on; measuring needs none here.
int createFont(Surface* surface, const char* faceName, int pointSize, int style);

// Draws one line of text into `surface`, coloured by textColorFor and placed by the alignment
// codes. Nothing for an unknown font, a missing text, or a lost or missing surface.
void drawText(int fontIndex, int highlighted, int enabled, int hAlign, int vAlign, Surface* surface,
              int x, int y, const char* text, std::uint32_t color);

// The extent of a text in a font; 0 for a missing text or an unknown font.
int textWidth(int fontIndex, const char* text);
int textHeight(int fontIndex, const char* text);

void destroyFonts();

} // namespace burrowix
