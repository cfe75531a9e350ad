#include "platform/text/fonts.hpp"

#include <SDL_ttf.h>

#include "platform/display/display.hpp"
#include "platform/text/font_files.hpp"
#include "platform/text/glyph_blend.hpp"
#include "platform/text/text_color.hpp"

namespace burrowix {

FontRegistry theFonts;

namespace {

struct Extent {
    int width = 0;
    int height = 0;
};

Extent measure(const FontEntry* entry, const char* text)
{
    Extent e;
    if (entry && entry->font && text && TTF_SizeText(entry->font, text, &e.width, &e.height) != 0)
        e = {};
    return e;
}

int placed(int at, int size, int align)
{
    if (align == kAlignCentre)
        return at - size / 2;
    if (align == kAlignEnd)
        return at - size;
    return at;
}

} // namespace

void FontRegistry::reset()
{
    for (int i = 0; i < fonts.count(); ++i) {
        FontEntry* entry = fonts.get(i);
        if (entry && entry->font)
            TTF_CloseFont(entry->font);
        delete entry;
    }
    fonts.clear();
}

int createFont(Surface*, const char* faceName, int pointSize, int style)
{
    auto* entry = new FontEntry;
    entry->faceName = faceName ? faceName : "";
    const std::string file = fontFileForFace(entry->faceName);
    const int pixels = fontPixelHeight(pointSize, theDisplay.dpiY);
    if (!file.empty() && pixels > 0 && startFontEngine())
        entry->font = TTF_OpenFont(file.c_str(), pixels);
    if (entry->font) {
        int ttfStyle = TTF_STYLE_NORMAL;
        if (style & kFontBold)
            ttfStyle |= TTF_STYLE_BOLD;
        if (style & kFontItalic)
            ttfStyle |= TTF_STYLE_ITALIC;
        if (style & kFontUnderline)
            ttfStyle |= TTF_STYLE_UNDERLINE;
        TTF_SetFontStyle(entry->font, ttfStyle);
        const Extent w = measure(entry, "W");
        entry->cellWidth = w.width;
        entry->cellHeight = w.height;
    }
    const int index = theFonts.fonts.append(entry);
    if (index < 0) {
        if (entry->font)
            TTF_CloseFont(entry->font);
        delete entry;
    }
    return index;
}

void drawText(int fontIndex, int highlighted, int enabled, int hAlign, int vAlign, Surface* surface,
              int x, int y, const char* text, std::uint32_t color)
{
    const FontEntry* entry = theFonts.font(fontIndex);
    if (!entry || !entry->font || !text || !*text || !surface || surface->isLost())
        return;
    const Extent e = measure(entry, text);
    const std::uint32_t rgb = textColorFor(color, highlighted, enabled);
    SDL_Surface* rendered = TTF_RenderText_Blended(entry->font, text, SDL_Color{255, 255, 255, 255});
    if (!rendered)
        return;
    if (rendered->format->BytesPerPixel == 4) {
        const GlyphCoverage coverage{static_cast<const std::uint32_t*>(rendered->pixels), rendered->w,
                                     rendered->h, rendered->pitch / 4};
        blendGlyphs(*surface, placed(x, e.width, hAlign), placed(y, e.height, vAlign), coverage, rgb);
    }
    SDL_FreeSurface(rendered);
}

int textWidth(int fontIndex, const char* text)
{
    return measure(theFonts.font(fontIndex), text).width;
}

int textHeight(int fontIndex, const char* text)
{
    return measure(theFonts.font(fontIndex), text).height;
}

void destroyFonts()
{
    theFonts.reset();
}

} // namespace burrowix
