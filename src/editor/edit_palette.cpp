#include "editor/edit_palette.hpp"

#include <string_view>

namespace burrowix {

namespace {

// Labels for the symbols whose kind's name alone does not say which parameter they stand for.
struct SymbolLabel {
    char symbol;
    std::string_view label;
};

constexpr SymbolLabel kLabels[] = {
    {'O', "stone"},
    {'Q', "egg-like stone"},
    {'(', "wall, rolls left"},
    {'^', "wall, rolls both ways"},
    {')', "wall, rolls right"},
    {'#', "flat wall"},
    {'M', "mines pickup"},
    {'S', "shots pickup"},
    {'G', "grenades pickup"},
    {'N', "TNT pickup"},
    {'B', "bottle"},
    {'X', "blast stone, clears the screen"},
    {'x', "blast stone, only blocks"},
};

std::string labelFor(const KindTraits& t, char symbol, std::int32_t param)
{
    for (const SymbolLabel& l : kLabels)
        if (l.symbol == symbol)
            return std::string(l.label);
    if (t.hasParam)
        return std::string(t.name) + " " + std::to_string(param);
    return std::string(t.name);
}

std::vector<PaletteItem> makePalette()
{
    std::vector<PaletteItem> out;
    for (const KindTraits& t : kKinds) {
        if (t.use != LevelUse::Placed)
            continue;
        for (std::size_t p = 0; p < t.symbols.size(); ++p)
            if (t.symbols[p] != ' ')
                out.push_back({Brush{t.kind, std::int32_t(p)}, t.symbols[p], labelFor(t, t.symbols[p], std::int32_t(p))});
    }
    return out;
}

} // namespace

const std::vector<PaletteItem>& editPalette()
{
    static const std::vector<PaletteItem> palette = makePalette();
    return palette;
}

std::string brushLabel(Brush brush)
{
    for (const PaletteItem& e : editPalette())
        if (e.brush == brush)
            return e.label;
    const KindTraits& t = kindTraits(brush.kind);
    std::string label = t.kind == brush.kind ? std::string(t.name) : "code " + std::to_string(brush.kind);
    if (kindHasParam(brush.kind))
        label += " " + std::to_string(brush.param);
    return label;
}

} // namespace burrowix
