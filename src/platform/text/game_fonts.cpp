#include "platform/text/game_fonts.hpp"

#include <string>

#include "platform/text/font_files.hpp"
#include "platform/text/fonts.hpp"

namespace burrowix {

namespace {

std::string inFolder(const char* folder, const char* file)
{
    std::string path = folder ? folder : "";
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + file;
}

} // namespace

int addGameFontFiles(const char* folder)
{
    int added = 0;
    for (const GameFont& f : kGameFonts)
        added += addFontFile(inFolder(folder, f.file)) > 0 ? 1 : 0;
    return added;
}

int removeGameFontFiles(const char* folder)
{
    int removed = 0;
    for (const GameFont& f : kGameFonts)
        removed += removeFontFile(inFolder(folder, f.file));
    return removed;
}

void createGameFonts(Surface* surface)
{
    for (const GameFont& f : kGameFonts)
        createFont(surface, f.face, f.points, 0);
}

} // namespace burrowix
