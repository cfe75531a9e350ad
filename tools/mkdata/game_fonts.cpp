#include "game_fonts.hpp"

#include "font_rename.hpp"

#include <fstream>
#include <iterator>
#include <sstream>

namespace burrowix::mkdata {
namespace {

bool readFile(const std::string& path, std::string& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool makeFont(GameFont& font, const std::string& sourcePath, const std::string& copyrightPath,
              const std::string& sourceName, std::string& error)
{
    std::string source, copyright;
    if (!readFile(sourcePath, source)) {
        error = "cannot read " + sourcePath;
        return false;
    }
    if (!readFile(copyrightPath, copyright)) {
        error = "cannot read " + copyrightPath;
        return false;
    }
    auto renamed = renameFontFamily(std::vector<std::uint8_t>(source.begin(), source.end()), font.family);
    if (!renamed) {
        error = "cannot rename " + sourcePath;
        return false;
    }
    font.bytes = std::move(*renamed);
    font.licenceText = font.family + " (" + font.fileName + ") is a modified version of the font " + sourceName +
                       ": only its names were changed, as the licence below requires of modified\n"
                       "versions. It is distributed under the same licence.\n\n" +
                       licenceFromDebianCopyright(copyright);
    return true;
}

} // namespace

std::string licenceFromDebianCopyright(const std::string& copyright)
{
    // The first "License:" field with a body: its continuation lines start with a space, and a
    // lone "." stands for an empty line.
    std::istringstream in(copyright);
    std::string line, out;
    bool inside = false;
    while (std::getline(in, line)) {
        if (!inside) {
            if (line.rfind("License:", 0) == 0)
                inside = true;
            continue;
        }
        if (line.empty() || (line[0] != ' ' && line[0] != '\t')) {
            if (!out.empty())
                break;
            inside = line.rfind("License:", 0) == 0;
            continue;
        }
        std::string text = line.substr(1);
        if (text == ".")
            text.clear();
        out += text + "\n";
    }
    return out;
}

std::optional<GameFonts> makeGameFonts(std::string& error)
{
    GameFonts fonts;
    fonts.sketch.fileName = "Grf01z_c.ttf";
    fonts.sketch.family = "Graffiti1CTT";
    fonts.sketch.licenceFileName = "Grf01z_c-OFL.txt";
    fonts.round.fileName = "Grf02z_c.ttf";
    fonts.round.family = "Graffiti2CTT";
    fonts.round.licenceFileName = "Grf02z_c-OFL.txt";
    if (!makeFont(fonts.sketch, "/usr/share/fonts/truetype/cabinsketch/CabinSketch-Bold.ttf",
                  "/usr/share/doc/fonts-cabinsketch/copyright", "Cabin Sketch Bold", error))
        return std::nullopt;
    if (!makeFont(fonts.round, "/usr/share/fonts/truetype/leckerli-one/LeckerliOne-Regular.ttf",
                  "/usr/share/doc/fonts-leckerli-one/copyright", "Leckerli One", error))
        return std::nullopt;
    return fonts;
}

} // namespace burrowix::mkdata
