#pragma once
// The game's two fonts: the files shipped beside the program, added to the font table at start-up
// and removed at close, and the fonts made from them when the first frame runs.

namespace burrowix {

class Surface;

// Font indices in the registry once createGameFonts has run.
constexpr int kFontSmall = 0; // "Graffiti1CTT", 18 points
constexpr int kFontLarge = 1; // "Graffiti2CTT", 28 points

struct GameFont {
    const char* file;
    const char* face;
    int points;
};

constexpr GameFont kGameFonts[] = {
    {"Grf01z_c.ttf", "Graffiti1CTT", 18},
    {"Grf02z_c.ttf", "Graffiti2CTT", 28},
};

// Adds both font files from `folder` (the program's folder; "" for the working folder). The number
// of files added.
int addGameFontFiles(const char* folder = "");
// Removes them again; the number removed.
int removeGameFontFiles(const char* folder = "");
// Creates the game's fonts in registry order, measured on `surface`.
void createGameFonts(Surface* surface);

} // namespace burrowix
